#include "presentation/Camera.h"
#include "presentation/DynamicTextDisplay.h"
#include "presentation/FontManager.h"
#include "presentation/StaticTextDisplay.h"
#include "presentation/TextureManager.h"
#include "support/FontSupport.h"
#include "support/RenderFixture.h"
#include "support/ScratchDirectory.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <memory>

namespace {
// Where pixels of the channel were lit, in world units, each counted by its centre.
struct Ink {
    long pixels = 0;
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
};

class TextDisplayTest : public RenderFixture {
protected:
    void SetUp() override {
        RenderFixture::SetUp();
        if (HasFatalFailure())
            return;
        new FontManager();
        addEntity("camera", {new Camera(Vector2(160, 120))}); // one unit per pixel
    }
    Ink drawnInk(int channel = 0) {
        drawFrame();
        const std::vector<std::uint8_t> pixels = readPixels(0, 0, 160, 120);
        Ink ink;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 160; ++x) {
                if (pixels[(y * 160 + x) * 4 + channel] < 64)
                    continue;
                ++ink.pixels;
                ink.minX = std::min(ink.minX, x - 79.5), ink.maxX = std::max(ink.maxX, x - 79.5);
                ink.minY = std::min(ink.minY, y - 59.5), ink.maxY = std::max(ink.maxY, y - 59.5);
            }
        return ink;
    }
    double cellAspect() { return FontManager::getSingleton().getFont(font)->getCellAspect(); }

    const std::string font = gameFontPath();
};

// The ink lies inside the box (give or take a pixel of filtering) and runs most of its length.
void expectInkWithin(const Ink& ink, double left, double right, double bottom, double top) {
    ASSERT_GT(ink.pixels, 0);
    EXPECT_GE(ink.minX, left - 1);
    EXPECT_LE(ink.maxX, right + 1);
    EXPECT_GE(ink.minY, bottom - 1);
    EXPECT_LE(ink.maxY, top + 1);
    EXPECT_GT(std::max(ink.maxX - ink.minX, ink.maxY - ink.minY),
              0.75 * std::max(right - left, top - bottom));
}
} // namespace

// Dynamic text is as wide as its cells, static text its string scaled; a resize keeps the anchor.
TEST_F(TextDisplayTest, AlignmentAnchorsTheTextAtTheEntity) {
    auto* dynamicText = new DynamicTextDisplay(font, 20, 1, "#####");
    auto* staticText = new StaticTextDisplay(font, 20, 1, "#####");
    int w = 0, h = 0;
    ASSERT_EQ(0, TTF_SizeText(FontManager::getSingleton().getFont(font)->getTrueTypeFont(), "#####",
                              &w, &h));
    const struct {
        TextDisplay* text;
        TexturedQuad* quad;
        double width;
    } kinds[] = {{dynamicText, dynamicText, 5 * 20 * cellAspect()},
                 {staticText, staticText, 20.0 * w / h}};
    for (const auto& kind : kinds) {
        const double width = kind.width;
        Entity* entity = addEntity("text", {kind.quad}, -30, 0);
        const struct {
            int alignment;
            double left, right;
        } cases[] = {{TextDisplay::Center, -30 - width / 2, -30 + width / 2},
                     {TextDisplay::Left, -30, -30 + width},
                     {TextDisplay::Right, -30 - width, -30},
                     {7, -30 - width, -30}};
        for (const auto& test : cases) {
            SCOPED_TRACE(test.alignment);
            kind.text->setAlignment(test.alignment);
            expectInkWithin(drawnInk(), test.left, test.right, -10, 10);
            EXPECT_NEAR(test.left, kind.quad->getBoundingBox().min.x, 1e-9);
            EXPECT_NEAR(10, kind.quad->getBoundingBox().max.y, 1e-9);
        }
        kind.text->setTextSize(10);
        expectInkWithin(drawnInk(), -30 - width / 2, -30, -5, 5);
        entity->kill();
        step();
    }
}

TEST_F(TextDisplayTest, CodesBeyondTheSheetShowGlyphZero) {
    auto text = new DynamicTextDisplay(font, 40, 1, std::string(1, '\0'));
    addEntity("text", {text});
    drawFrame();
    const std::vector<std::uint8_t> glyphZero = readPixels(0, 0, 160, 120);
    ASSERT_GT(drawnInk().pixels, 0);
    for (const char* code : {"\xE9", "\xFF", "e"}) {
        text->setText(code);
        drawFrame();
        EXPECT_EQ(code[0] != 'e', glyphZero == readPixels(0, 0, 160, 120)) << int(code[0]);
    }
}

// Ten marks after 590 blanks need indices past 2048; another display and a copy keep their own.
TEST_F(TextDisplayTest, DynamicTextBeyond512CharactersDrawsItsEnd) {
    auto text = new DynamicTextDisplay(font, 20, 1, std::string(590, ' ') + "##########",
                                       TextDisplay::Left);
    const double cell = 20 * cellAspect();
    Entity* entity = addEntity("text", {text}, -595 * cell, 0);
    EXPECT_EQ(2400u, text->renderOperation()->indexCount);
    expectInkWithin(drawnInk(), -5 * cell, 5 * cell, -10, 10);
    std::unique_ptr<Component> copy(text->clone());
    text->setText(std::string(601, ' '));
    addEntity("other", {new DynamicTextDisplay(font, 20, 1, "#")}, 0, 40);
    EXPECT_GT(drawnInk().minY, 25);
    entity->kill();
    step();
    addEntity("copy", {copy.release()}, -595 * cell, -40);
    EXPECT_LT(drawnInk().minY, -45);
    EXPECT_GT(drawnInk().maxX - drawnInk().minX, 8 * cell); // the copy kept its marks

    // Unsigned short indices reach 16384 characters; a longer text draws its beginning.
    text = new DynamicTextDisplay(font, 20, 1, std::string(20000, '#'));
    addEntity("long", {text});
    EXPECT_EQ(65536u, text->renderOperation()->indexCount);
    EXPECT_GT(drawnInk().pixels, 0);
}

// Empty texts, no font manager when the prototypes are made, or an unreadable font draw nothing.
TEST_F(TextDisplayTest, StaticTextKeepsOnlyItsCurrentStringTextureAndFailuresDrawNothing) {
    delete FontManager::getSingletonPtr();
    {
        DynamicTextDisplay dynamicPrototype;
        StaticTextDisplay staticPrototype;
        dynamicPrototype.setText("text");
        staticPrototype.setText("text");
        EXPECT_EQ(nullptr, dynamicPrototype.renderOperation());
        EXPECT_EQ(nullptr, staticPrototype.renderOperation());
    }
    new FontManager();
    auto text = new StaticTextDisplay(font, 30, 1, "one");
    auto dynamicText = new DynamicTextDisplay(font, 20, 1, "abc");
    addEntity("text", {text});
    addEntity("dynamic", {dynamicText}, 0, 40);
    ASSERT_TRUE(text->getTexture());
    const std::string firstName = text->getTexture()->getName();
    text->setText("two");
    EXPECT_NE(firstName, text->getTexture()->getName());
    TextureManager::getSingleton().unloadUnreferenced();
    TextureManager::getSingleton().removeUnreferenced();
    EXPECT_FALSE(TextureManager::getSingleton().getByName(firstName));
    EXPECT_GT(drawnInk().pixels, 0);
    text->setText("");
    dynamicText->setText("");
    EXPECT_FALSE(text->getTexture());
    EXPECT_EQ(nullptr, text->renderOperation());
    EXPECT_EQ(nullptr, dynamicText->renderOperation());
    EXPECT_EQ(0, drawnInk().pixels);
    const std::string missing = std::string(VANTORIX_TEST_DATA_DIR) + "/no-such-font.ttf";
    addEntity("unreadable", {new DynamicTextDisplay(missing, 20, 1, "dynamic")});
    addEntity("unreadableStatic", {new StaticTextDisplay(missing, 20, 1, "static")}, 0, 30);
    EXPECT_EQ(0, drawnInk().pixels);
    EXPECT_EQ("StaticTextDisplay Could not find parameter 'font'",
              thrownMessage([] { delete StaticTextDisplay::fromParams(ParamList()); }));
    for (const char* log : {"VideoSystemLog.txt", "VantorixLog.txt"})
        EXPECT_NE(std::string::npos,
                  readTextFile(log).find("Error loading font " + missing + ": "));
}
