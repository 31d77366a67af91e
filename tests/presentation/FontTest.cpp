#include "presentation/Font.h"

#include "presentation/FontManager.h"
#include "presentation/TextureManager.h"
#include "support/FontSupport.h"
#include "support/GlContext.h"
#include "support/ProgramRun.h"

#include <SDL_opengl.h>
#include <SDL_ttf.h>

namespace {
// A texture's level-0 image as RGBA rows, top row first (the order the loaders upload in).
struct TextureImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;
    long alphaSum(int x0, int y0, int x1, int y1) const {
        long sum = 0;
        for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(width, x1); ++x)
                sum += pixels[(std::size_t(y) * width + x) * 4 + 3];
        return sum;
    }
    long alphaSum() const { return alphaSum(0, 0, width, height); }
};
TextureImage readTexture(const Texture& texture) {
    TextureImage image;
    glBindTexture(GL_TEXTURE_2D, texture.getTextureName());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &image.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &image.height);
    image.pixels.resize(std::size_t(image.width) * image.height * 4 + 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    return image;
}

// The ink of the glyph rendered on its own (a 32-bit surface).
long glyphInk(TTF_Font* font, char code) {
    SDL_Surface* alone = TTF_RenderGlyph_Blended(font, Uint16(code), SDL_Color{255, 255, 255, 0});
    long sum = 0;
    for (int y = 0; alone && y < alone->h; ++y)
        for (int x = 0; x < alone->w; ++x)
            sum += (static_cast<const Uint32*>(alone->pixels)[y * alone->pitch / 4 + x] &
                    alone->format->Amask) >>
                   alone->format->Ashift;
    SDL_FreeSurface(alone);
    return sum;
}

class FontTest : public GlContextTest {
protected:
    FontManager& fonts() {
        textures();
        if (!FontManager::getSingletonPtr())
            new FontManager();
        return FontManager::getSingleton();
    }
    FontPtr loadFont(const std::string& path = gameFontPath()) {
        FontPtr font = fonts().getFont(path);
        font->load();
        return font;
    }
};
} // namespace

TEST_F(FontTest, ManagerNeedsTextureManagerAndGoesWithIt) {
    EXPECT_EQ("no texture manager.", thrownMessage([] { new FontManager(); }));
    EXPECT_EQ(nullptr, FontManager::getSingletonPtr());
    FontPtr font = loadFont();
    ASSERT_NE(nullptr, font->getTrueTypeFont());
    delete TextureManager::getSingletonPtr();
    EXPECT_EQ(nullptr, FontManager::getSingletonPtr());
    EXPECT_EQ(Resource::Unloaded, font->getState());
    EXPECT_NE(std::string::npos, readTextFile("VantorixLog.txt").find("Font manager shut down."));
    // A font that outlived its manager makes no textures and cannot load again.
    EXPECT_FALSE(font->getStringTexture("late"));
    EXPECT_EQ("FontManager is null, cannot create Font.", thrownMessage([&] { font->load(); }));
    EXPECT_TRUE(font->loadFailed());
}

// Glyphs ('g' and '|' reach below the baseline) are neither clipped nor overwritten, reloaded too.
TEST_F(FontTest, GlyphSheetHoldsEachGlyphWholeInItsOwnCellAfterReloadsToo) {
    FontPtr font = loadFont();
    ASSERT_TRUE(font->getGlyphSheet());
    const TextureImage image = readTexture(*font->getGlyphSheet());
    auto cellInk = [&](unsigned code, int* width = nullptr) {
        // Corners are (left, bottom), (left, top), (right, top), (right, bottom) with t upwards.
        const Font::GlyphCoordinates& glyph = font->getGlyphTable()[code];
        const int left = int(glyph[0] * image.width + 0.5),
                  right = int(glyph[4] * image.width + 0.5);
        if (width)
            *width = right - left;
        return image.alphaSum(left, int((1 - glyph[3]) * image.height + 0.5), right,
                              int((1 - glyph[1]) * image.height + 0.5));
    };
    const Font::GlyphCoordinates& a = font->getGlyphTable()['A'];
    EXPECT_NEAR(font->getCellAspect(), (a[4] - a[0]) * image.width / ((a[3] - a[1]) * image.height),
                0.01);
    int cellWidth = 0;
    cellInk('A', &cellWidth);
    for (char code : std::string("Ig|0#")) {
        const long expected = glyphInk(font->getTrueTypeFont(), code);
        int width = 0;
        EXPECT_GT(expected, 0) << code;
        EXPECT_EQ(expected, cellInk(code, &width)) << code;
        EXPECT_EQ(cellWidth, width) << code;
    }
    EXPECT_EQ(0, cellInk(' '));
    EXPECT_GT(cellInk(0), 0); // glyph 0 stands in for codes beyond the sheet

    const Font::GlyphTable table = font->getGlyphTable();
    const TexturePtr sheet = font->getGlyphSheet();
    for (auto reload : {+[] { TextureManager::getSingleton().reloadAll(); },
                        +[] { FontManager::getSingleton().reloadAll(); }}) {
        reload();
        EXPECT_EQ(sheet, font->getGlyphSheet());
        EXPECT_EQ(table, font->getGlyphTable());
        EXPECT_EQ(image.alphaSum(), readTexture(*sheet).alphaSum());
    }
}
