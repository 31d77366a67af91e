#include "support/GlContext.h"

#include "core/LogManager.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"

#include <SDL.h>
#include <SDL_opengl.h>

std::ostream& operator<<(std::ostream& out, const Rgba& colour) {
    return out << "(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ", "
               << int(colour.a) << ")";
}

void GlContextTest::SetUp() {
    if (!LogManager::getSingletonPtr()) {
        ownLogManager = std::make_unique<LogManager>();
        ownLogManager->openLog("VantorixLog.txt", 1, false, true);
    }
    ASSERT_TRUE(startVideoSubsystem()) << "no display: run the tests under xvfb-run";
    videoManager = new VideoManager(requestedMode());
}

bool startVideoSubsystem() {
    // A busy X server refuses some quick successive connections; another try gets through.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            return true;
        SDL_Delay(20);
    }
    return false;
}

void GlContextTest::TearDown() {
    delete videoManager;
    videoManager = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    ownLogManager.reset();
}

TextureManager& GlContextTest::textures() {
    if (!TextureManager::getSingletonPtr())
        new TextureManager();
    return TextureManager::getSingleton();
}

std::vector<std::uint8_t> GlContextTest::readPixels(int x, int y, int width, int height) {
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

Rgba GlContextTest::readPixel(int x, int y) {
    const std::vector<std::uint8_t> p = readPixels(x, y, 1, 1);
    return Rgba{p[0], p[1], p[2], p[3]};
}

void GlContextTest::fillRectangle(double left, double bottom, double right, double top,
                                  const Rgba& colour) {
    glDisable(GL_TEXTURE_2D);
    glColor4ub(colour.r, colour.g, colour.b, colour.a);
    const GLdouble corners[] = {left, bottom, right, bottom, right, top, left, top};
    const GLubyte order[] = {0, 1, 2, 0, 2, 3};
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_DOUBLE, 0, corners);
    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_BYTE, order);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}
