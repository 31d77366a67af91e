#include "presentation/Font.h"

#include "physics/AxisAlignedBox.h"
#include "presentation/FontManager.h"
#include "presentation/TextureManager.h"
#include "support/FontSupport.h"
#include "support/ProgramRun.h"

#include <SDL_ttf.h>

namespace {
bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Where a glyph's cell lies in the sheet image, in pixels with the top row first.
struct Cell {
    int left, top, right, bottom;
};
Cell cellOf(const Font& font, const TextureImage& sheet, unsigned code) {
    const Font::GlyphCoordinates& glyph = font.getGlyphTable()[code];
    // Corners are (left, bottom), (left, top), (right, top), (right, bottom) with t upwards.
    return Cell{int(glyph[0] * sheet.width + 0.5), int((1 - glyph[3]) * sheet.height + 0.5),
                int(glyph[4] * sheet.width + 0.5), int((1 - glyph[1]) * sheet.height + 0.5)};
}

long alphaSum(SDL_Surface* surface) {
    long sum = 0;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            Uint8 r, g, b, a;
            SDL_GetRGBA(row[x], surface->format, &r, &g, &b, &a);
            sum += a;
        }
    }
    SDL_UnlockSurface(surface);
    return sum;
}

class FontManagerStartTest : public GlContextTest {};

class FontTest : public FontContextTest {
protected:
    FontPtr loadGameFont() {
        FontPtr font = fonts().getFont(gameFontPath());
        font->load();
        return font;
    }
};
} // namespace

TEST_F(FontManagerStartTest, NeedsTextureManager) {
    EXPECT_EQ("no texture manager.", thrownMessage([] { new FontManager(); }));
    EXPECT_EQ(nullptr, FontManager::getSingletonPtr());
    textures();
    new FontManager();
    EXPECT_NE(nullptr, FontManager::getSingletonPtr());
    for (const char* log : {"VideoSystemLog.txt", "VantorixLog.txt"})
        EXPECT_TRUE(contains(readTextFile(log), "Initialized font manager.")) << log;
}

TEST_F(FontTest, TextureManagerDestroysFontManagerAndClosesItsFonts) {
    FontPtr font = loadGameFont();
    ASSERT_NE(nullptr, font->getTrueTypeFont());
    delete TextureManager::getSingletonPtr();
    EXPECT_EQ(nullptr, FontManager::getSingletonPtr());
    EXPECT_EQ(Resource::Unloaded, font->getState());
    EXPECT_TRUE(contains(readTextFile("VantorixLog.txt"), "Font manager shut down."));
    // A font that outlived its manager makes no textures and cannot load again.
    EXPECT_FALSE(font->getStringTexture("late"));
    EXPECT_EQ("FontManager is null, cannot create Font.", thrownMessage([&] { font->load(); }));
    EXPECT_TRUE(font->loadFailed());
    EXPECT_EQ(Resource::Unloaded, font->getState());
}

TEST_F(FontTest, GlyphSheetHoldsEachGlyphWholeInItsOwnCell) {
    FontPtr font = loadGameFont();
    ASSERT_FALSE(font->loadFailed());
    const TexturePtr& sheet = font->getGlyphSheet();
    ASSERT_TRUE(sheet);
    TextureImage image = readTexture(*sheet);
    ASSERT_GT(image.width, 0);

    Cell a = cellOf(*font, image, 'A');
    double cellWidth = a.right - a.left;
    double cellHeight = a.bottom - a.top;
    EXPECT_NEAR(font->getCellAspect(), cellWidth / cellHeight, 0.01);

    // Glyphs that fit their advance must arrive whole: nothing clipped by the cell's top or
    // bottom, nothing overwritten by a neighbour. 'g' and '|' reach below the baseline.
    for (char code : std::string("Ig|0#")) {
        SDL_Color white = {255, 255, 255, 0};
        SDL_Surface* alone = TTF_RenderGlyph_Blended(font->getTrueTypeFont(), Uint16(code), white);
        ASSERT_NE(nullptr, alone);
        Cell cell = cellOf(*font, image, code);
        EXPECT_EQ(cellWidth, cell.right - cell.left) << code;
        long expected = alphaSum(alone);
        SDL_FreeSurface(alone);
        EXPECT_GT(expected, 0) << code;
        EXPECT_EQ(expected, image.alphaSum(cell.left, cell.top, cell.right, cell.bottom)) << code;
    }
    Cell space = cellOf(*font, image, ' ');
    EXPECT_EQ(0, image.alphaSum(space.left, space.top, space.right, space.bottom));
    // Glyph 0, which stands in for codes beyond the sheet, is visible.
    Cell missing = cellOf(*font, image, 0);
    EXPECT_GT(image.alphaSum(missing.left, missing.top, missing.right, missing.bottom), 0);
}

TEST_F(FontTest, StringTextureHoldsTheTextAtItsTopLeft) {
    FontPtr font = loadGameFont();
    int width = 0, height = 0;
    ASSERT_EQ(0, TTF_SizeText(font->getTrueTypeFont(), "Score", &width, &height));

    Vector2 aspect;
    AxisAlignedBox area;
    TexturePtr texture = font->getStringTexture("Score", &aspect, &area);
    ASSERT_TRUE(texture);
    EXPECT_DOUBLE_EQ(double(width) / height, aspect.x);
    EXPECT_DOUBLE_EQ(1, aspect.y);

    texture->load();
    TextureImage image = readTexture(*texture);
    EXPECT_EQ(Vector2(0, 0), area.min);
    EXPECT_DOUBLE_EQ(double(width) / image.width, area.max.x);
    EXPECT_DOUBLE_EQ(double(height) / image.height, area.max.y);
    long all = image.alphaSum(0, 0, image.width, image.height);
    EXPECT_GT(all, 255 * 200);
    EXPECT_EQ(all, image.alphaSum(0, 0, width, height));

    // The same text is the same cached texture.
    std::size_t cached = textures().size();
    EXPECT_EQ(texture, font->getStringTexture("Score"));
    EXPECT_EQ(cached, textures().size());
}

TEST_F(FontTest, UnreadableFontFileIsLoggedAndDrawsNothing) {
    std::string path = std::string(VANTORIX_TEST_DATA_DIR) + "/no-such-font.ttf";
    FontPtr font = fonts().getFont(path);
    font->load();
    EXPECT_EQ(Resource::Loaded, font->getState());
    EXPECT_TRUE(font->loadFailed());
    for (const char* log : {"VideoSystemLog.txt", "VantorixLog.txt"})
        EXPECT_TRUE(contains(readTextFile(log), "Error loading font " + path + ": ")) << log;
    EXPECT_EQ(Vector2(0, 0), font->getTextAspect("Score"));
    Vector2 aspect(5, 5);
    EXPECT_FALSE(font->getStringTexture("Score", &aspect));
    EXPECT_EQ(Vector2(0, 0), aspect);
    for (const Font::GlyphCoordinates& glyph : font->getGlyphTable())
        EXPECT_EQ(Font::GlyphCoordinates{}, glyph);
}

TEST_F(FontTest, ReloadsRebuildTheGlyphSheet) {
    FontPtr font = loadGameFont();
    Font::GlyphTable table = font->getGlyphTable();
    TexturePtr sheet = font->getGlyphSheet();
    long ink = readTexture(*sheet).alphaSum(0, 0, 4096, 4096);

    // The window coming back reloads every texture.
    textures().reloadAll();
    EXPECT_EQ(table, font->getGlyphTable());
    EXPECT_EQ(ink, readTexture(*sheet).alphaSum(0, 0, 4096, 4096));

    // Reloading the font while someone still draws with its sheet must refill the table.
    fonts().reloadAll();
    EXPECT_EQ(sheet, font->getGlyphSheet());
    EXPECT_EQ(table, font->getGlyphTable());
    EXPECT_EQ(ink, readTexture(*sheet).alphaSum(0, 0, 4096, 4096));
}
