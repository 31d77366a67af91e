#include "presentation/Animatable.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/Camera.h"
#include "presentation/FontManager.h"
#include "presentation/RepeatedStaticImage.h"
#include "presentation/StaticImage.h"
#include "presentation/StaticTextDisplay.h"
#include "presentation/StripSequence.h"
#include "support/FontSupport.h"
#include "support/RenderFixture.h"
#include "support/TemplateFixture.h"
#include "world/ComponentFactory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {
// Colours of tests/data/render/Showcase.xml's pictures (see make_images.py there).
const Rgba darkSky{16, 24, 72, 255}, lightSky{32, 48, 112, 255}, yellow{255, 255, 0, 255};
const Rgba magenta{255, 0, 255, 255}, cyan{0, 255, 255, 255}, orange{255, 140, 0, 255};

// Where Showcase.xml puts things, in world units; its camera shows (-400,-300) to (400,300).
struct Area {
    double left, bottom, right, top;
    bool contains(double x, double y, double margin) const {
        return x >= left - margin && x <= right + margin && y >= bottom - margin &&
               y <= top + margin;
    }
};
const Area star{-306, 78, -206, 178}, signalLight{206, 78, 306, 178};

// 128-unit sky tiles on the origin's grid, dark top-left and bottom-right (blended at the edges).
Rgba skyAt(double x, double y) {
    const double u = x - 128 * std::round(x / 128), v = y - 128 * std::round(y / 128);
    return (u < 0) == (v > 0) ? darkSky : lightSky;
}

// A whole screen the game's way, in a 640 x 480 window, 0.8 pixels per unit.
class ScreenCompositionTest : public RenderFixture {
protected:
    VideoMode requestedMode() const override { return VideoMode{640, 480, 0, false}; }
    void SetUp() override {
        std::filesystem::copy(VANTORIX_TEST_DATA_DIR "/render", scratch.path(),
                              std::filesystem::copy_options::recursive);
        std::filesystem::create_directory(scratch.file("data"));
        std::filesystem::copy_file(gameFontPath(), scratch.file("data/FreeMonoBold.ttf"));
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        RenderFixture::SetUp();
        if (HasFatalFailure())
            return;
        new FontManager(); // the VideoManager takes it down with it
        game = std::make_unique<Managers>();
        game->sequences.registerSequenceType("StripSequence", StripSequence());
        registerTypes(game->factory, Animatable(), Camera(), RepeatedStaticImage(), StaticImage(),
                      StaticTextDisplay());
    }
    void TearDown() override {
        renderer.reset();
        scene.reset();
        game.reset();
        RenderFixture::TearDown();
        inScratch.reset();
    }

    // The title's white ink (bright in every channel, as nothing else is) in the 640 x 480 frame:
    // pixels inside the area (with a pixel's margin) and outside it.
    std::pair<long, long> titleInk(const Area& area) {
        const std::vector<std::uint8_t> frame = readPixels(0, 0, 640, 480);
        std::pair<long, long> ink;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                const std::uint8_t* p = &frame[(std::size_t(y) * 640 + x) * 4];
                if (std::min({p[0], p[1], p[2]}) > 100)
                    ++(area.contains((x + 0.5) * 1.25 - 400, (y + 0.5) * 1.25 - 300, 1.25)
                           ? ink.first
                           : ink.second);
            }
        return ink;
    }

    struct Managers {
        XmlFileManager files;
        EntityTemplateManager entityTemplates;
        SceneTemplateManager sceneTemplates;
        AnimationSequenceManager sequences;
        ComponentFactory factory;
    };
    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<Managers> game;
};
} // namespace

TEST_F(ScreenCompositionTest, ScreenshotShowsSkySpriteCyclingLightAndTitleWhereTheDataPutsThem) {
    XmlFilePtr file = game->files.getFile("./Showcase.xml");
    file->load();
    SceneTemplatePtr showcase = game->sceneTemplates.getTemplate("Showcase", "");
    showcase->load();
    ASSERT_FALSE(file->loadFailed() || showcase->loadFailed());
    ASSERT_NE(nullptr, showcase->instantiateInScene(scene.get(), {0, 0}, {1, 0}, {1, 1}));
    ASSERT_NE(nullptr, renderer->getMainCamera());
    EXPECT_EQ(4u, renderer->renderableCount());
    drawFrame();

    // The sky fills the screen between the others: the middle of every tile quarter in view. The
    // 64-unit title "VANTORIX" is centred on (0, -160).
    FontPtr font = FontManager::getSingleton().getFont(gameFontPath());
    font->load();
    const double halfWidth = 8 * 64 * font->getCellAspect() / 2;
    const Area title{-halfWidth, -192, halfWidth, -128};
    for (double x = -352; x < 400; x += 64)
        for (double y = -288; y < 300; y += 64)
            if (!star.contains(x, y, 40) && !signalLight.contains(x, y, 40) &&
                !title.contains(x, y, 40)) {
                EXPECT_EQ(skyAt(x, y), worldPixel(x, y)) << "sky at (" << x << ", " << y << ")";
            }

    // The sprite covers its square (its edge texels blend with the border colour) and the light
    // starts on its first frame; the sky shows just beyond both.
    const struct {
        double x, y;
        Rgba colour;
    } points[] = {{-256, 128, yellow},
                  {-294, 90, yellow},
                  {-218, 166, yellow},
                  {-312, 160, skyAt(-312, 160)},
                  {-224, 186, skyAt(-224, 186)},
                  {256, 128, magenta},
                  {294, 90, magenta},
                  {314, 160, skyAt(314, 160)}};
    for (const auto& point : points)
        EXPECT_EQ(point.colour, worldPixel(point.x, point.y)) << point.x << ", " << point.y;
    const std::pair<long, long> ink = titleInk(title);
    EXPECT_GT(ink.first, 500);
    EXPECT_EQ(0, ink.second);

    // On the render manager's clock the light moves on to cyan after 0.2 s, then orange, and
    // comes round to magenta again; everything else stays put.
    for (const Rgba& colour : {cyan, orange, magenta}) {
        for (int tick = 0; tick < 13; ++tick)
            step();
        drawFrame();
        EXPECT_EQ(colour, worldPixel(256, 128));
        EXPECT_EQ(colour, worldPixel(218, 166));
        EXPECT_EQ(yellow, worldPixel(-256, 128));
        EXPECT_EQ(skyAt(32, 96), worldPixel(32, 96));
        EXPECT_EQ(ink.first, titleInk(title).first);
    }
}
