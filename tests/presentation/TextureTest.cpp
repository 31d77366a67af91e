#include "presentation/Texture.h"

#include "presentation/TextureManager.h"
#include "support/GlContext.h"
#include "support/ProgramRun.h"

#include <SDL_opengl.h>

namespace {
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba blue{0, 0, 255, 255};
const Rgba white{255, 255, 255, 255};
const Rgba grey{128, 128, 128, 255};

std::string image(const std::string& file) {
    return std::string(VANTORIX_TEST_DATA_DIR) + "/images/" + file;
}
bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
std::string videoLog() {
    return readTextFile("VideoSystemLog.txt");
}
std::string mainLog() {
    return readTextFile("VantorixLog.txt");
}

// The whole view, texture coordinates (0, 0) at the bottom-left to (s, s) at the top-right.
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

TEST_F(TextureTest, RgbaImageLoadsAndDrawsTheRightWayUp) {
    TexturePtr texture = textures().getTexture(image("Quadrants64x32.png"));
    texture->load();
    EXPECT_FALSE(texture->loadFailed());

    drawTextured(*texture, 1, white);
    EXPECT_EQ(red, readPixel(10, 110));
    EXPECT_EQ(green, readPixel(150, 110));
    EXPECT_EQ(blue, readPixel(10, 10));
    EXPECT_EQ(white, readPixel(150, 10));
}

TEST_F(TextureTest, UnusableImageFilesAreLoggedAndLoadAsBlankTextures) {
    struct Case {
        std::string file, message;
        bool inMainLog;
    };
    const Case cases[] = {
        {"Rgb24Bit64x64.png", "Warning: texture %was not of bitdepth 32, aborting load", false},
        {"Rgba100x100.png",
         "Warning: invalid image format for texture %: bpp: 32 width: 100 height: 100.", true},
        {"NoSuchImage.png", "Error attempting to load texture %; using blank texture.", true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.file);
        std::string name = image(test.file);
        std::string message = test.message;
        message.replace(message.find('%'), 1, name);
        TexturePtr texture = textures().getTexture(name);
        texture->load();
        EXPECT_TRUE(texture->loadFailed());
        EXPECT_EQ(Resource::Loaded, texture->getState());
        EXPECT_NE(0u, texture->getTextureName());
        EXPECT_TRUE(contains(videoLog(), message));
        EXPECT_EQ(test.inMainLog, contains(mainLog(), message));
        drawTextured(*texture, 1, grey);
        EXPECT_EQ(grey, readPixel(80, 60));
    }
}

TEST_F(TextureTest, RepeatAppliesAtOnceOrOnLoadAndTiles) {
    TexturePtr texture = textures().getTexture(image("Quadrants64x32.png"));
    texture->load();
    texture->setRepeat(true);
    // Two tiles across and up: the top-left of the window is again a top-left quadrant, and
    // just right of the centre a new tile starts.
    drawTextured(*texture, 2, white);
    EXPECT_EQ(red, readPixel(5, 115));
    EXPECT_EQ(green, readPixel(75, 115));
    EXPECT_EQ(red, readPixel(85, 115));

    texture->setRepeat(false);
    EXPECT_TRUE(texture->getRepeat());

    // Set before loading, it is used when the texture loads.
    TexturePtr later = textures().getTexture(VANTORIX_TEST_DATA_DIR "/render/HalfTile16.png");
    later->setRepeat(true);
    later->load();
    GLint wrap = 0;
    glBindTexture(GL_TEXTURE_2D, later->getTextureName());
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(GL_REPEAT, wrap);
}

TEST_F(TextureTest, UnloadDeletesTheGlTextureAndReloadMakesANewOne) {
    TexturePtr texture = textures().getTexture(image("Quadrants64x32.png"));
    texture->load();
    GLuint name = texture->getTextureName();
    texture->unload();
    EXPECT_EQ(0u, texture->getTextureName());
    EXPECT_FALSE(glIsTexture(name));
    texture->load();
    EXPECT_NE(0u, texture->getTextureName());
    textures().reloadAll();
    EXPECT_EQ(Resource::Loaded, texture->getState());
    EXPECT_TRUE(glIsTexture(texture->getTextureName()));
}
