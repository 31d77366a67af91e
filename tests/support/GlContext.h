#pragma once

#include "core/LogManager.h"
#include "presentation/VideoMode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <tuple>
#include <vector>

class TextureManager;
class VideoManager;

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba& o) const {
        return std::tie(r, g, b, a) == std::tie(o.r, o.g, o.b, o.a);
    }
    bool operator!=(const Rgba& other) const { return !(*this == other); }
};
std::ostream& operator<<(std::ostream& out, const Rgba& colour);

// Starts SDL's video subsystem, retrying while the display refuses connections.
bool startVideoSubsystem();

// A real window and GL context made by a VideoManager as the game does (run under xvfb-run), and
// a LogManager writing "VantorixLog.txt" if none exists; all torn down after each test.
class GlContextTest : public ::testing::Test {
protected:
    // 160 x 120 is 1/5 of the world view.
    virtual VideoMode requestedMode() const { return VideoMode{160, 120, 0, false}; }
    void SetUp() override;
    void TearDown() override;

    VideoManager& video() { return *videoManager; }
    // Made once; the VideoManager deletes it when the test ends.
    TextureManager& textures();

    // The back buffer as RGBA rows, bottom row first; x, y from the bottom-left corner.
    static std::vector<std::uint8_t> readPixels(int x, int y, int width, int height);
    static Rgba readPixel(int x, int y);
    // An untextured rectangle in world units with the current matrices.
    static void fillRectangle(double left, double bottom, double right, double top,
                              const Rgba& colour);

private:
    std::unique_ptr<LogManager> ownLogManager;
    VideoManager* videoManager = nullptr;
};
