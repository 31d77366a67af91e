#include "presentation/Camera.h"
#include "presentation/DynamicTextDisplay.h"
#include "presentation/FontManager.h"
#include "presentation/RenderManager.h"
#include "presentation/StaticTextDisplay.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"
#include "support/FontSupport.h"
#include "support/RenderFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
// Where something was drawn, in world units (the test camera shows one unit per pixel).
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
        // 160 x 120 units on the 160 x 120 pixel window.
        addEntity("camera", {new Camera(Vector2(160, 120))});
    }

    // Pixels whose red channel is lit, each counted by its centre.
    Ink drawnInk() {
        const std::vector<std::uint8_t> pixels = frame();
        const VideoMode& mode = video().getVideoMode();
        Ink ink;
        for (unsigned y = 0; y < mode.height; ++y)
            for (unsigned x = 0; x < mode.width; ++x) {
                if (pixels[(y * mode.width + x) * 4] < 64)
                    continue;
                double wx = x + 0.5 - mode.width / 2.0, wy = y + 0.5 - mode.height / 2.0;
                ++ink.pixels;
                ink.minX = std::min(ink.minX, wx);
                ink.maxX = std::max(ink.maxX, wx);
                ink.minY = std::min(ink.minY, wy);
                ink.maxY = std::max(ink.maxY, wy);
            }
        return ink;
    }
    std::vector<std::uint8_t> frame() {
        drawFrame();
        const VideoMode& mode = video().getVideoMode();
        return readPixels(0, 0, mode.width, mode.height);
    }

    double cellAspect() { return FontManager::getSingleton().getFont(font)->getCellAspect(); }

    const std::string font = gameFontPath();
};

// The ink of a drawn text must lie inside its box (give or take a pixel of filtering) and reach
// most of the way along it.
void expectInkWithin(const Ink& ink, double left, double right, double bottom, double top) {
    ASSERT_GT(ink.pixels, 0);
    EXPECT_GE(ink.minX, left - 1);
    EXPECT_LE(ink.maxX, right + 1);
    EXPECT_GE(ink.minY, bottom - 1);
    EXPECT_LE(ink.maxY, top + 1);
    if (right - left >= top - bottom)
        EXPECT_GT(ink.maxX - ink.minX, 0.75 * (right - left));
    else
        EXPECT_GT(ink.maxY - ink.minY, 0.75 * (top - bottom));
}
} // namespace

// Dynamic text is as wide as its cells, static text as the rendered string scaled to the text's
// height. The alignment puts the left end, middle or right end at the entity, and a new size
// keeps that anchor.
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
        expectInkWithin(drawnInk(), -30 - width / 2, -30 + width / 2, -10, 10);
        EXPECT_NEAR(-30 - width / 2, kind.quad->getBoundingBox().min.x, 1e-9);
        EXPECT_NEAR(10, kind.quad->getBoundingBox().max.y, 1e-9);
        const struct {
            int alignment;
            double left, right;
        } cases[] = {{TextDisplay::Left, -30, -30 + width},
                     {TextDisplay::Right, -30 - width, -30},
                     {7, -30 - width, -30}}; // unknown values change nothing
        for (const auto& test : cases) {
            SCOPED_TRACE(test.alignment);
            kind.text->setAlignment(test.alignment);
            expectInkWithin(drawnInk(), test.left, test.right, -10, 10);
            EXPECT_NEAR(test.right, kind.quad->getBoundingBox().max.x, 1e-9);
        }
        kind.text->setTextSize(10);
        expectInkWithin(drawnInk(), -30 - width / 2, -30, -5, 5);
        entity->kill();
        step();
    }
}

TEST_F(TextDisplayTest, DynamicTextTurnsAndScalesWithItsEntity) {
    auto text = new DynamicTextDisplay(font, 20, 1, "####");
    Entity* entity = addEntity("text", {text});
    double width = 4 * 20 * cellAspect();
    entity->getNode()->setScale(Vector2(2, 1));
    expectInkWithin(drawnInk(), -width, width, -10, 10);

    // Twice the size, standing upright.
    entity->getNode()->setScale(Vector2(2, 2));
    entity->getNode()->setOrientation(Vector2(0, 1));
    expectInkWithin(drawnInk(), -20, 20, -width, width);
    EXPECT_NEAR(width, text->getBoundingBox().max.y, 1e-9);
}

TEST_F(TextDisplayTest, DynamicTextGrowsWithItsTextAndAnEmptyOneDrawsNothing) {
    auto text = new DynamicTextDisplay(font, 20, 1, "abc");
    addEntity("text", {text});
    text->appendText("d");
    ASSERT_NE(nullptr, text->renderOperation());
    EXPECT_EQ(16u, text->renderOperation()->vertexCount);
    text->setText("");
    EXPECT_EQ(nullptr, text->renderOperation());
    EXPECT_EQ(0, drawnInk().pixels);
}

TEST_F(TextDisplayTest, CodesBeyondTheSheetShowGlyphZero) {
    auto text = new DynamicTextDisplay(font, 40, 1, std::string(1, '\0'));
    addEntity("text", {text});
    std::vector<std::uint8_t> glyphZero = frame();
    ASSERT_GT(drawnInk().pixels, 0);

    text->setText("\xE9");
    EXPECT_EQ(glyphZero, frame());
    text->setText("\xFF");
    EXPECT_EQ(glyphZero, frame());
    text->setText("e");
    EXPECT_NE(glyphZero, frame());
}

TEST_F(TextDisplayTest, DynamicTextBeyond512CharactersDrawsItsEnd) {
    // 590 blanks and ten marks: the marks need indices past the first 2048.
    std::string line = std::string(590, ' ') + std::string(10, '#');
    auto text = new DynamicTextDisplay(font, 20, 1, line, TextDisplay::Left);
    double cell = 20 * cellAspect();
    // Puts the middle of the marks at the origin.
    addEntity("text", {text}, -595 * cell, 0);
    EXPECT_EQ(2400u, text->renderOperation()->indexCount);
    expectInkWithin(drawnInk(), -5 * cell, 5 * cell, -10, 10);

    // A second display with a shorter text draws from the grown array as well.
    text->setText(std::string(601, ' '));
    auto other = new DynamicTextDisplay(font, 20, 1, "#");
    addEntity("other", {other}, 0, 40);
    Ink ink = drawnInk();
    EXPECT_GT(ink.minY, 25);

    // Unsigned short indices reach 16384 characters; a longer text draws its beginning.
    text->setText(std::string(20000, '#'));
    EXPECT_EQ(65536u, text->renderOperation()->indexCount);
    EXPECT_GT(drawnInk().pixels, 0);
}

TEST_F(TextDisplayTest, StaticTextKeepsOnlyItsCurrentStringTexture) {
    auto text = new StaticTextDisplay(font, 30, 1, "one");
    addEntity("text", {text});
    TexturePtr first = text->getTexture();
    ASSERT_TRUE(first);
    text->setText("two");
    EXPECT_NE(first, text->getTexture());
    std::string firstName = first->getName();
    first.reset();
    TextureManager::getSingleton().unloadUnreferenced();
    TextureManager::getSingleton().removeUnreferenced();
    EXPECT_FALSE(TextureManager::getSingleton().getByName(firstName));
    EXPECT_GT(drawnInk().pixels, 0);

    text->setText("");
    EXPECT_FALSE(text->getTexture());
    EXPECT_EQ(nullptr, text->renderOperation());
    EXPECT_EQ(0, drawnInk().pixels);
}

TEST_F(TextDisplayTest, ParametersSetFontSizeTextAlignmentAndColour) {
    ParamList list = params({{"font", font},
                             {"textSize", "20"},
                             {"zOrder", "2"},
                             {"text", "###"},
                             {"alignment", "Left"},
                             {"color", "(0,1,0)"}});
    // Made the way data files make them: from the prototypes the component factory holds.
    const DynamicTextDisplay dynamicPrototype;
    const StaticTextDisplay staticPrototype;
    for (Component* made : {dynamicPrototype.createNew(list), staticPrototype.createNew(list)}) {
        Entity* entity = addEntity(made->getType(), {made});
        std::vector<std::uint8_t> pixels = frame();
        long green = 0, red = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            red += pixels[i] > 64;
            green += pixels[i + 1] > 64;
        }
        EXPECT_EQ(0, red) << made->getType();
        EXPECT_GT(green, 0) << made->getType();
        const AxisAlignedBox bound = dynamic_cast<Renderable*>(made)->getBoundingBox();
        EXPECT_EQ(Vector2(0, -10), bound.min) << made->getType();
        entity->kill();
        step();
    }

    list.set("alignment", "Sideways");
    std::unique_ptr<DynamicTextDisplay> centred(DynamicTextDisplay::fromParams(list));
    EXPECT_EQ(TextDisplay::Center, centred->getAlignment());

    ParamList noFont = list;
    noFont.erase("font");
    EXPECT_EQ("StaticTextDisplay Could not find parameter 'font'",
              thrownMessage([&] { delete StaticTextDisplay::fromParams(noFont); }));
}

TEST_F(TextDisplayTest, NoFontManagerOrAnUnreadableFontDrawsNothing) {
    // Prototypes are made before any font manager exists.
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
    std::string missing = std::string(VANTORIX_TEST_DATA_DIR) + "/no-such-font.ttf";
    addEntity("dynamic", {new DynamicTextDisplay(missing, 20, 1, "dynamic")});
    addEntity("static", {new StaticTextDisplay(missing, 20, 1, "static")}, 0, 30);
    EXPECT_EQ(0, drawnInk().pixels);
}

TEST_F(TextDisplayTest, CopiesDrawFromTheirOwnArrays) {
    auto text = new DynamicTextDisplay(font, 20, 1, "###");
    addEntity("text", {text}, 0, -30);
    std::unique_ptr<Component> copy(text->clone());
    text->setText("#");
    addEntity("copy", {copy.release()}, 0, 30);
    Ink ink = drawnInk();
    EXPECT_LT(ink.minY, -20);
    EXPECT_GT(ink.maxY, 20);
    // The copy kept three characters.
    EXPECT_GT(ink.maxX - ink.minX, 2 * 20 * cellAspect());
}
