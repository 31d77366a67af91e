#include "presentation/Texture.h"

#include "presentation/TextureManager.h"
#include "support/GlContext.h"
#include "support/ProgramRun.h"

#include <SDL_opengl.h>

namespace {
const Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255};
const Rgba white{255, 255, 255, 255}, grey{128, 128, 128, 255};

std::string image(const std::string& file) {
    return std::string(VANTORIX_TEST_DATA_DIR) + "/images/" + file;
}

// The whole view, texture coordinates (0, 0) to (s, s).
void drawTextured(const Texture& texture, float s, const Rgba& colour) {
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture.getTextureName());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4ub(colour.r, colour.g, colour.b, colour.a);
    const GLfloat corners[] = {-400, -300, 400, -300, 400, 300, -400, 300};
    const GLfloat coordinates[] = {0, 0, s, 0, s, s, 0, s};
    const GLubyte order[] = {0, 1, 2, 0, 2, 3};
    glVertexPointer(2, GL_FLOAT, 0, corners);
    glTexCoordPointer(2, GL_FLOAT, 0, coordinates);
    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_BYTE, order);
    glDisable(GL_TEXTURE_2D);
}
} // namespace

using TextureTest = GlContextTest;

// Upright, and with repeat two tiles across and up: just right of the centre a new tile starts.
TEST_F(TextureTest, RgbaImageDrawsTheRightWayUpAndTilesAndReloads) {
    TexturePtr texture = textures().getTexture(image("Quadrants64x32.png"));
    texture->load();
    const GLuint name = texture->getTextureName();
    texture->unload(); // deletes the GL texture
    EXPECT_FALSE(glIsTexture(name));
    texture->load();
    textures().reloadAll();
    drawTextured(*texture, 1, white);
    EXPECT_EQ(red, readPixel(10, 110));
    EXPECT_EQ(green, readPixel(150, 110));
    EXPECT_EQ(blue, readPixel(10, 10));
    EXPECT_EQ(white, readPixel(150, 10));

    texture->setRepeat(true);
    drawTextured(*texture, 2, white);
    EXPECT_EQ(red, readPixel(5, 115));
    EXPECT_EQ(green, readPixel(75, 115));
    EXPECT_EQ(red, readPixel(85, 115));

    // Set before loading, it is used when the texture loads.
    TexturePtr later = textures().getTexture(VANTORIX_TEST_DATA_DIR "/render/HalfTile16.png");
    later->setRepeat(true);
    later->load();
    GLint wrap = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(GL_REPEAT, wrap);
}

TEST_F(TextureTest, UnusableImageFilesAreLoggedAndLoadAsBlankTextures) {
    const struct {
        std::string file, message;
        bool inMainLog;
    } cases[] = {
        {"Rgb24Bit64x64.png", "Warning: texture %was not of bitdepth 32, aborting load", false},
        {"Rgba100x100.png",
         "Warning: invalid image format for texture %: bpp: 32 width: 100 height: 100.", true},
        {"NoSuchImage.png", "Error attempting to load texture %; using blank texture.", true}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.file);
        std::string message = test.message;
        message.replace(message.find('%'), 1, image(test.file));
        TexturePtr texture = textures().getTexture(image(test.file));
        texture->load();
        EXPECT_TRUE(texture->loadFailed() && texture->getState() == Resource::Loaded);
        EXPECT_NE(std::string::npos, readTextFile("VideoSystemLog.txt").find(message));
        EXPECT_EQ(test.inMainLog,
                  readTextFile("VantorixLog.txt").find(message) != std::string::npos);
        drawTextured(*texture, 1, grey);
        EXPECT_EQ(grey, readPixel(80, 60));
    }
}
