#pragma once

#include "support/ScratchDirectory.h"

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The game binary running in the background on an X server of its own (so windows of tests
// running alongside cannot take its pointer or keys), driven with xdotool like a player would:
// clicks at window pixels, key presses, and Print Screen shots read back as pixels. The working
// directory is a scratch directory that sees the project's data/ as ./data.
class GameSession {
public:
    struct Shot {
        int width = 0, height = 0;
        // RGB rows, top row first.
        std::vector<std::uint8_t> rgb;
        // Pixels of the rectangle [x0, x1) x [y0, y1) that satisfy the test.
        int count(int x0, int y0, int x1, int y1,
                  const std::function<bool(int r, int g, int b)>& test) const;
    };

    // Starts the X server and the game in an 800 x 600 window; fails the test on trouble.
    GameSession();
    // Ends whatever still runs.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    bool started() const { return gamePid > 0 && window != 0; }
    void click(int x, int y);
    void key(const std::string& name);
    // Presses Print Screen and reads the new "screenshot.bmp"; empty when none came.
    Shot shot();
    // Takes shots until one satisfies the test or about timeoutSeconds passed (a safety net for
    // a slow machine, not a measurement); returns the last shot.
    Shot shotUntil(const std::function<bool(const Shot&)>& test, double timeoutSeconds = 30);
    // Sends a signal and waits for the end; returns the exit status (-1 when killed by signal).
    int stop(int signal);
    // Waits for the game to leave by itself; -1 when it had to be killed.
    int waitForExit(double timeoutSeconds = 30);

    std::string standardOutput() const;
    std::string readFile(const std::string& relative) const;

private:
    // Gtest's fatal checks need a function without a result.
    void start();
    int xdotool(const std::vector<std::string>& arguments, std::string* output = nullptr) const;
    int reap(double timeoutSeconds);
    // The id of the shown game window, or "".
    std::string gameWindow() const;

    ScratchDirectory scratch;
    std::string display;
    pid_t serverPid = -1;
    pid_t gamePid = -1;
    unsigned long window = 0;
    int shots = 0;
};
