#include "presentation/VideoManager.h"

#include "core/LogManager.h"
#include "presentation/TextureManager.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstring>
#include <vector>

namespace {
const char* const videoLogName = "VideoSystemLog.txt";

// Fatal start-up messages go to both logs before the exception leaves.
void fail(const std::string& message, const std::string& exceptionText) {
    VideoManager::writeLog(message, LogFile::Important, true);
    throw myexception(exceptionText);
}
} // namespace

VideoManager::VideoManager(const VideoMode& requested) {
    if (LogManager* logs = LogManager::getSingletonPtr())
        log = logs->openLog(videoLogName, LogFile::Detail, false, false);

    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) < 0)
        writeLog(std::string("Failed to initialize SDL_Video: ") + SDL_GetError() +
                     ", aborting initialization.",
                 LogFile::Important, true);

    mode = requested;
    std::uint32_t flags = SDL_OPENGL | (mode.fullScreen ? SDL_FULLSCREEN : 0);
    chooseBitDepth(flags);
    if (SDL_GetVideoSurface())
        fail("SDL video surface was created prior to construction ofVideoManager, aborting "
             "initialization.",
             "Video surface has already been created.");
    openWindow(flags);
    setUpGlState();
    writeLog("Initialized video subsytem. Using video mode: " + mode.toString() + ".",
             LogFile::Important, true);
}

VideoManager::~VideoManager() {
    delete TextureManager::getSingletonPtr();
    writeLog("Video subsytem shut down.", LogFile::Important, true);
}

void VideoManager::chooseBitDepth(std::uint32_t flags) {
    if (mode.bitDepth == 0) {
        // Null when the video subsystem could not start; SDL_VideoModeOK then refuses the mode.
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        if (info && info->vfmt)
            mode.bitDepth = info->vfmt->BitsPerPixel;
    }
    int proposed = SDL_VideoModeOK(mode.width, mode.height, mode.bitDepth, flags);
    if (proposed == 0)
        fail("Video mode not supported: " + mode.toString() + ", aborting initialization.",
             "Video mode not supported.");
    if (static_cast<std::uint32_t>(proposed) != mode.bitDepth) {
        writeLog("Warning: Given bit depth of " + std::to_string(mode.bitDepth) +
                     " not supported; attempting to use bit depth of " + std::to_string(proposed) +
                     ".",
                 LogFile::Important, true);
        mode.bitDepth = proposed;
    }
}

void VideoManager::openWindow(std::uint32_t flags) {
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, mode.bitDepth);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(mode.width, mode.height, mode.bitDepth, flags)) {
        std::string error = SDL_GetError();
        fail("Error initializing SDL surface: " + error + ", aborting initialization.", error);
    }
}

void VideoManager::setUpGlState() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-400.0, 400.0, -300.0, 300.0, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
}

void VideoManager::takeScreenshot(const std::string& fileName) {
    const std::size_t width = mode.width;
    const std::size_t height = mode.height;
    const std::size_t rowBytes = width * 4;
    std::vector<unsigned char> pixels(rowBytes * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());

    // GL rows run bottom to top, BMP rows as SDL writes them top to bottom.
    std::vector<unsigned char> row(rowBytes);
    for (std::size_t i = 0; i < height / 2; ++i) {
        unsigned char* top = pixels.data() + i * rowBytes;
        unsigned char* bottom = pixels.data() + (height - 1 - i) * rowBytes;
        std::memcpy(row.data(), top, rowBytes);
        std::memcpy(top, bottom, rowBytes);
        std::memcpy(bottom, row.data(), rowBytes);
    }

    SDL_Surface* surface = SDL_CreateRGBSurfaceFrom(pixels.data(), width, height, 32, rowBytes,
                                                    0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
    if (!surface) {
        writeLog("Error: Unable to take screenshot.", LogFile::Important, false);
        return;
    }
    // A file that cannot be written is a failed screenshot, not a saved one.
    SDL_RWops* file = SDL_RWFromFile(fileName.c_str(), "wb");
    bool saved = file && SDL_SaveBMP_RW(surface, file, 1) == 0;
    SDL_FreeSurface(surface);
    if (saved)
        writeLog("Screenshot saved to " + fileName + ".", LogFile::Information, false);
    else
        writeLog("Error: Unable to take screenshot.", LogFile::Important, false);
}

void VideoManager::writeLog(const std::string& message, int level, bool copyToMainLog) {
    VideoManager* video = getSingletonPtr();
    if (video && video->log)
        video->log->write(message, level);
    if (copyToMainLog)
        logDefault(message, level);
}
