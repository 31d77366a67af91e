#pragma once

#include "core/LogManager.h"
#include "presentation/VideoMode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

class TextureManager;
class VideoManager;

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    bool operator!=(const Rgba& other) const { return !(*this == other); }
};
std::ostream& operator<<(std::ostream& out, const Rgba& colour);

// Starts SDL's video subsystem, retrying while the display refuses connections. Tests that make
// their own VideoManager call it first; SDL_QuitSubSystem(SDL_INIT_VIDEO) undoes it.
bool startVideoSubsystem();

// Gives each test a real window with a GL context (run the binary under xvfb-run), made by a
// VideoManager exactly as the game makes it, with the game's start-up GL state.
//
// A LogManager is made for the test when there is none, with "VantorixLog.txt" as the default
// log (not echoed), so the video log and the main-log copies can be read back from the working
// directory. Everything is torn down after each test, including SDL's video subsystem, so the
// next test can open a window again.
class GlContextTest : public ::testing::Test {
protected:
    // Override in a subclass to test another window size; 160 x 120 is 1/5 of the world view.
    virtual VideoMode requestedMode() const { return VideoMode{160, 120, 0, false}; }

    void SetUp() override;
    void TearDown() override;

    VideoManager& video() { return *videoManager; }
    // Makes the TextureManager (once); the VideoManager deletes it when the test ends.
    TextureManager& textures();

    // Reads back the back buffer as RGBA rows, bottom row first (GL's order). x, y in pixels
    // from the bottom-left corner.
    static std::vector<std::uint8_t> readPixels(int x, int y, int width, int height);
    static Rgba readPixel(int x, int y);
    // Draws an untextured axis-aligned rectangle in world units with the current matrices.
    static void fillRectangle(double left, double bottom, double right, double top,
                              const Rgba& colour);

private:
    std::unique_ptr<LogManager> ownLogManager;
    VideoManager* videoManager = nullptr;
};
