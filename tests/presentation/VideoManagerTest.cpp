#include "presentation/VideoManager.h"

#include "core/LogManager.h"
#include "presentation/TextureManager.h"
#include "support/FontSupport.h"
#include "support/GlContext.h"
#include "support/ProgramRun.h"

#include <SDL.h>
#include <SDL_opengl.h>

namespace {
const Rgba black{0, 0, 0, 255};
const Rgba red{255, 0, 0, 255};

std::string videoLog() {
    return readTextFile("VideoSystemLog.txt");
}
std::string mainLog() {
    return readTextFile("VantorixLog.txt");
}
} // namespace

using VideoManagerTest = GlContextTest;

TEST_F(VideoManagerTest, StartUpLogsTheModeInUseWithTheDesktopDepth) {
    const VideoMode& mode = video().getVideoMode();
    std::string line =
        "Initialized video subsytem. Using video mode: Width: 160 Height: 120 BitDepth: " +
        std::to_string(mode.bitDepth) + " FullScreen: false.";
    for (const std::string& log : {videoLog(), mainLog()})
        EXPECT_NE(std::string::npos, log.find(line));
}

TEST_F(VideoManagerTest, StartUpViewShows800By600UnitsCentredOnTheOriginWithYUp) {
    glClear(GL_COLOR_BUFFER_BIT);
    // The top-left quarter of the world view.
    fillRectangle(-400, 0, 0, 300, red);
    EXPECT_EQ(red, readPixel(5, 115));
    EXPECT_EQ(red, readPixel(75, 65));
    EXPECT_EQ(black, readPixel(85, 115));
    EXPECT_EQ(black, readPixel(5, 55));
    EXPECT_EQ(black, readPixel(155, 5));
}

TEST_F(VideoManagerTest, ScreenshotIsWrittenUprightTopRowFirstOrReportedAsFailed) {
    glClear(GL_COLOR_BUFFER_BIT);
    fillRectangle(-400, 0, 400, 300, red);
    ScratchDirectory directory;
    std::string fileName = directory.file("screenshot.bmp").string();
    video().takeScreenshot(fileName);

    SDL_Surface* picture = SDL_LoadBMP(fileName.c_str());
    ASSERT_NE(nullptr, picture);
    SDL_Surface* converted = SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32,
                                                  0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
    SDL_BlitSurface(picture, nullptr, converted, nullptr);
    ASSERT_EQ(120, converted->h);
    auto pixelAt = [&](int x, int y) {
        const auto* row =
            static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch;
        return Rgba{row[x * 4], row[x * 4 + 1], row[x * 4 + 2], 255};
    };
    EXPECT_EQ(red, pixelAt(10, 0));
    EXPECT_EQ(red, pixelAt(10, 59));
    EXPECT_EQ(black, pixelAt(10, 60));
    EXPECT_EQ(black, pixelAt(10, 119));
    SDL_FreeSurface(converted);
    SDL_FreeSurface(picture);
    EXPECT_NE(std::string::npos, videoLog().find("Screenshot saved to " + fileName + "."));

    // A screenshot that cannot be written is not reported as saved.
    video().takeScreenshot("no-such-directory/screenshot.bmp");
    EXPECT_NE(std::string::npos, videoLog().find("Error: Unable to take screenshot."));
    EXPECT_EQ(std::string::npos, videoLog().find("Screenshot saved to no-such-directory"));
}

TEST_F(VideoManagerTest, DestroyingTheVideoManagerDestroysTheTextureManager) {
    TexturePtr texture = textures().getTexture(VANTORIX_TEST_DATA_DIR "/images/Quadrants64x32.png");
    texture->load();
    ASSERT_EQ(Resource::Loaded, texture->getState());
    TearDown();
    EXPECT_EQ(nullptr, TextureManager::getSingletonPtr());
    EXPECT_EQ(nullptr, VideoManager::getSingletonPtr());
    // Still held here, but its GL texture went with the manager.
    EXPECT_EQ(Resource::Unloaded, texture->getState());
    EXPECT_EQ(0u, texture->getTextureName());
    SetUp();
}

TEST(VideoManager, UnsupportedDepthFallsBackToTheProposedDepthWithOneWarning) {
    LogManager logs;
    logs.openLog("VantorixLog.txt", 1, false, true);
    ASSERT_TRUE(startVideoSubsystem());
    int proposed = SDL_VideoModeOK(160, 120, 16, SDL_OPENGL);
    if (proposed == 0 || proposed == 16)
        GTEST_SKIP() << "the display accepts or refuses depth 16 outright";
    {
        VideoManager video(VideoMode{160, 120, 16, false});
        EXPECT_EQ(std::uint32_t(proposed), video.getVideoMode().bitDepth);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    std::string warning = "Warning: Given bit depth of 16 not supported; attempting to use bit "
                          "depth of " +
                          std::to_string(proposed) + ".";
    std::string log = videoLog();
    std::size_t first = log.find(warning);
    ASSERT_NE(std::string::npos, first);
    EXPECT_EQ(std::string::npos, log.find(warning, first + 1));
    EXPECT_NE(std::string::npos, mainLog().find(warning));
    EXPECT_NE(std::string::npos, log.find("Video subsytem shut down."));
}

TEST(VideoManager, TextureManagerNeedsAVideoManager) {
    ASSERT_EQ(nullptr, VideoManager::getSingletonPtr());
    EXPECT_EQ("no video manager.", thrownMessage([] { TextureManager textures; }));
    EXPECT_EQ(nullptr, TextureManager::getSingletonPtr());
}
