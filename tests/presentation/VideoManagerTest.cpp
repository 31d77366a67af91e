#include "presentation/VideoManager.h"

#include "support/GlContext.h"
#include "support/ProgramRun.h"

#include <SDL.h>
#include <SDL_opengl.h>

namespace {
const Rgba black{0, 0, 0, 255}, red{255, 0, 0, 255};

std::string videoLog() {
    return readTextFile("VideoSystemLog.txt");
}
} // namespace

using VideoManagerTest = GlContextTest;

TEST_F(VideoManagerTest, ScreenshotIsWrittenUprightOrReportedAsFailed) {
    glClear(GL_COLOR_BUFFER_BIT);
    fillRectangle(-400, 0, 400, 300, red);
    ScratchDirectory directory;
    const std::string fileName = directory.file("screenshot.bmp").string();
    video().takeScreenshot(fileName);
    SDL_Surface* picture = SDL_LoadBMP(fileName.c_str());
    ASSERT_NE(nullptr, picture);
    SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32, 0x000000FF,
                                             0x0000FF00, 0x00FF0000, 0xFF000000);
    SDL_BlitSurface(picture, nullptr, rgba, nullptr);
    ASSERT_EQ(120, rgba->h);
    for (const auto& row : {std::make_pair(0, red), std::make_pair(59, red),
                            std::make_pair(60, black), std::make_pair(119, black)}) {
        const auto* p = static_cast<const std::uint8_t*>(rgba->pixels) + row.first * rgba->pitch;
        EXPECT_EQ(row.second, (Rgba{p[40], p[41], p[42], 255})) << "row " << row.first;
    }
    SDL_FreeSurface(rgba);
    SDL_FreeSurface(picture);
    EXPECT_NE(std::string::npos, videoLog().find("Screenshot saved to " + fileName + "."));

    video().takeScreenshot("no-such-directory/screenshot.bmp");
    EXPECT_NE(std::string::npos, videoLog().find("Error: Unable to take screenshot."));
    EXPECT_EQ(std::string::npos, videoLog().find("Screenshot saved to no-such-directory"));
}
