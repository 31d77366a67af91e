#pragma once

#include "core/Singleton.h"
#include "presentation/VideoMode.h"

#include <string>

class LogFile;

// The game window and its OpenGL context, with the fixed GL state every drawing call relies on:
// an orthographic view of 800 x 600 world units centred on the origin (y up), vertex and
// texture-coordinate arrays enabled, and a black clear colour.
//
// Made once by the main program after SDL_Init and the LogManager. Its destructor deletes the
// TextureManager if there is one, so the TextureManager must be made with new and never deleted
// by anyone else. SDL itself is shut down by whoever initialised it; a new VideoManager can only
// be made after the video subsystem was shut down (SDL_QuitSubSystem(SDL_INIT_VIDEO)), since an
// existing video surface is refused.
class VideoManager : public Singleton<VideoManager> {
public:
    // Opens the window. Raises "Video mode not supported.", "Video surface has already been
    // created." or SDL's own error text when the window cannot be opened.
    explicit VideoManager(const VideoMode& requested);
    ~VideoManager();

    // The mode in use, after the depth fallback.
    const VideoMode& getVideoMode() const { return mode; }
    // Writes the back buffer, top row first, to a BMP file.
    void takeScreenshot(const std::string& fileName);

    // "VideoSystemLog.txt"; valid until the LogManager is destroyed. Null without a LogManager.
    LogFile* getLog() const { return log; }
    // Writes to the video log of the live VideoManager, and to the main log as well when
    // copyToMainLog is set. Does nothing for the video log when there is no VideoManager.
    static void writeLog(const std::string& message, int level, bool copyToMainLog);

private:
    void chooseBitDepth(std::uint32_t flags);
    void openWindow(std::uint32_t flags);
    void setUpGlState();

    VideoMode mode;
    LogFile* log = nullptr;
};
