#include "support/FontSupport.h"

#include "core/myexception.h"
#include "presentation/FontManager.h"
#include "presentation/TextureManager.h"

#include <SDL_opengl.h>

std::string gameFontPath() {
    return std::string(VANTORIX_SOURCE_DIR) + "/data/FreeMonoBold.ttf";
}

long TextureImage::alphaSum(int x0, int y0, int x1, int y1) const {
    long sum = 0;
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x)
            sum += pixels[(std::size_t(y) * width + x) * 4 + 3];
    return sum;
}

TextureImage readTexture(const Texture& texture) {
    TextureImage image;
    glBindTexture(GL_TEXTURE_2D, texture.getTextureName());
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    image.width = width;
    image.height = height;
    image.pixels.resize(std::size_t(width) * height * 4);
    if (!image.pixels.empty()) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    }
    return image;
}

std::string thrownMessage(const std::function<void()>& call) {
    try {
        call();
    } catch (const myexception& error) {
        return error.what();
    }
    ADD_FAILURE() << "no myexception was raised";
    return std::string();
}

void FontContextTest::SetUp() {
    GlContextTest::SetUp();
    if (!HasFatalFailure())
        textures();
}

FontManager& FontContextTest::fonts() {
    if (!FontManager::getSingletonPtr())
        new FontManager();
    return FontManager::getSingleton();
}
