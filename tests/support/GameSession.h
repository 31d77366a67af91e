#pragma once

#include "support/ScratchDirectory.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The game on its own X server (others cannot take its keys), driven with xdotool, seen by shots.
class GameSession {
public:
    struct Shot {
        int width = 0, height = 0;
        std::vector<std::uint8_t> rgb; // rows top first
        // Pixels of [x0, x1) x [y0, y1) whose colour passes the test.
        int count(int x0, int y0, int x1, int y1, bool (*test)(int r, int g, int b)) const;
    };

    GameSession();
    ~GameSession(); // kills whatever still runs

    bool started() const { return !window.empty(); }
    void click(int x, int y);
    void key(const std::string& name);
    // Presses Print Screen and reads the new "screenshot.bmp"; empty when none came.
    Shot shot();
    // Shots until one passes or about timeoutSeconds went by (a safety net, not a measurement).
    Shot shotUntil(const std::function<bool(const Shot&)>& test, double timeoutSeconds = 30);
    // Sends the signal (0: none) and waits for the exit status; -1 when it had to be killed.
    int end(int signal, double timeoutSeconds = 30);
    std::string readFile(const std::string& relative) const;

private:
    void linkData();
    // With DISPLAY set; returns the first output line.
    std::string shell(const std::string& command) const;
    std::string findWindow() const;

    ScratchDirectory scratch;
    std::string display, window;
    int serverPid = -1, gamePid = -1;
};
