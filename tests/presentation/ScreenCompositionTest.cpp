#include "presentation/Animatable.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/Camera.h"
#include "presentation/FontManager.h"
#include "presentation/RepeatedStaticImage.h"
#include "presentation/StaticImage.h"
#include "presentation/StaticTextDisplay.h"
#include "presentation/StripSequence.h"
#include "presentation/VideoManager.h"
#include "support/FontSupport.h"
#include "support/PngFile.h"
#include "support/RenderFixture.h"
#include "support/ScratchDirectory.h"
#include "world/ComponentFactory.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneTemplateManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {
// Colours of tests/data/render/Showcase.xml's pictures (see make_images.py there).
const Rgba darkSky{16, 24, 72, 255};
const Rgba lightSky{32, 48, 112, 255};
const Rgba yellow{255, 255, 0, 255};
const Rgba magenta{255, 0, 255, 255};
const Rgba cyan{0, 255, 255, 255};
const Rgba orange{255, 140, 0, 255};

// Where Showcase.xml puts things, in world units; its camera shows (-400,-300) to (400,300).
struct Area {
    double left, bottom, right, top;
    bool contains(double x, double y, double margin) const {
        return x >= left - margin && x <= right + margin && y >= bottom - margin &&
               y <= top + margin;
    }
};
const Area star{-306, 78, -206, 178};
const Area signalLight{206, 78, 306, 178};
const double titleX = 0, titleY = -160, titleSize = 64;
const char* const titleText = "VANTORIX";

// The sky's colour at a point: 128-unit tiles centred on the origin's grid, dark in their
// top-left and bottom-right quarters. Only meaningful away from the quarters' edges, which
// texture filtering blends.
Rgba skyAt(double x, double y) {
    double u = x - 128 * std::round(x / 128), v = y - 128 * std::round(y / 128);
    return (u < 0) == (v > 0) ? darkSky : lightSky;
}

// The title's white ink: bright in every channel, which nothing else on the screen is.
bool isInk(const Rgba& colour) {
    return std::min({colour.r, colour.g, colour.b}) > 100;
}

struct Ink {
    long inside = 0, outside = 0;
    double left = 1e9, right = -1e9;
};
// Counts the ink of a 640 x 480 frame (RGBA rows, bottom row first) inside the area, with a
// pixel's margin, and outside it.
Ink inkOf(const std::vector<std::uint8_t>& frame, const Area& area) {
    Ink ink;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const std::uint8_t* p = &frame[(std::size_t(y) * 640 + x) * 4];
            if (!isInk(Rgba{p[0], p[1], p[2], 255}))
                continue;
            const double wx = (x + 0.5) * 1.25 - 400, wy = (y + 0.5) * 1.25 - 300;
            if (!area.contains(wx, wy, 1.25)) {
                ++ink.outside;
                continue;
            }
            ++ink.inside;
            ink.left = std::min(ink.left, wx);
            ink.right = std::max(ink.right, wx);
        }
    return ink;
}

// The game's way to a whole screen: the managers load the data file, the factory makes the
// components from entity templates, and the scene template is instantiated into a scene drawn by
// its render manager through its camera. The window is 640 x 480, 0.8 pixels per unit.
class ScreenCompositionTest : public RenderFixture {
protected:
    VideoMode requestedMode() const override { return VideoMode{640, 480, 0, false}; }

    void SetUp() override {
        std::filesystem::copy(VANTORIX_TEST_DATA_DIR "/render", scratch.path(),
                              std::filesystem::copy_options::recursive);
        // The font where the game keeps it, relative to the working directory.
        std::filesystem::create_directory(scratch.file("data"));
        std::filesystem::copy_file(gameFontPath(), scratch.file("data/FreeMonoBold.ttf"));
        // Each test process works in a directory of its own that goes when its tests pass, so a
        // relative path would lose the picture.
        if (const char* png = std::getenv("VANTORIX_SHOWCASE_PNG")) {
            showcasePng = png;
            ASSERT_TRUE(std::filesystem::path(showcasePng).is_absolute())
                << "VANTORIX_SHOWCASE_PNG must be an absolute path: " << showcasePng;
        }
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        RenderFixture::SetUp();
        if (HasFatalFailure())
            return;
        new FontManager(); // the VideoManager takes it down with it
        files = std::make_unique<XmlFileManager>();
        entityTemplates = std::make_unique<EntityTemplateManager>();
        sceneTemplates = std::make_unique<SceneTemplateManager>();
        sequences = std::make_unique<AnimationSequenceManager>();
        sequences->registerSequenceType("StripSequence", StripSequence());
        factory = std::make_unique<ComponentFactory>();
        factory->registerType(Animatable());
        factory->registerType(Camera());
        factory->registerType(RepeatedStaticImage());
        factory->registerType(StaticImage());
        factory->registerType(StaticTextDisplay());
        XmlFilePtr file = files->getFile("./Showcase.xml");
        file->load();
        ASSERT_FALSE(file->loadFailed());
    }
    void TearDown() override {
        renderer.reset();
        scene.reset();
        factory.reset();
        sequences.reset();
        sceneTemplates.reset();
        entityTemplates.reset();
        files.reset();
        RenderFixture::TearDown();
        inScratch.reset();
    }

    std::vector<std::uint8_t> frame() {
        drawFrame();
        return readPixels(0, 0, 640, 480);
    }

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::string showcasePng;
    std::unique_ptr<XmlFileManager> files;
    std::unique_ptr<EntityTemplateManager> entityTemplates;
    std::unique_ptr<SceneTemplateManager> sceneTemplates;
    std::unique_ptr<AnimationSequenceManager> sequences;
    std::unique_ptr<ComponentFactory> factory;
};
} // namespace

TEST_F(ScreenCompositionTest, ScreenshotShowsSkySpriteCyclingLightAndTitleWhereTheDataPutsThem) {
    SceneTemplatePtr showcase = sceneTemplates->getTemplate("Showcase", "");
    showcase->load();
    ASSERT_FALSE(showcase->loadFailed());
    ASSERT_NE(nullptr, showcase->instantiateInScene(scene.get(), {0, 0}, {1, 0}, {1, 1}));
    ASSERT_NE(nullptr, renderer->getMainCamera());
    EXPECT_EQ(4u, renderer->renderableCount());

    std::vector<std::uint8_t> pixels = frame();
    if (!showcasePng.empty()) {
        // Image files start with the top row.
        std::vector<std::uint8_t> topFirst;
        for (int y = 479; y >= 0; --y)
            topFirst.insert(topFirst.end(), &pixels[y * 640 * 4], &pixels[(y + 1) * 640 * 4]);
        EXPECT_TRUE(writePng(showcasePng, 640, 480, topFirst)) << showcasePng;
    }

    // The sky fills the screen between the others: the middle of every tile quarter in view.
    FontPtr font = FontManager::getSingleton().getFont(gameFontPath());
    font->load();
    const double titleHalfWidth = std::strlen(titleText) * titleSize * font->getCellAspect() / 2;
    const Area title{titleX - titleHalfWidth, titleY - titleSize / 2, titleX + titleHalfWidth,
                     titleY + titleSize / 2};
    int skyPoints = 0;
    for (double x = -352; x < 400; x += 64)
        for (double y = -288; y < 300; y += 64) {
            if (star.contains(x, y, 40) || signalLight.contains(x, y, 40) ||
                title.contains(x, y, 40))
                continue;
            ++skyPoints;
            EXPECT_EQ(skyAt(x, y), worldPixel(x, y)) << "sky at (" << x << ", " << y << ")";
        }
    EXPECT_GT(skyPoints, 90);

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

    // The title's ink lies inside its box (give or take a pixel) and runs most of its width.
    const Ink ink = inkOf(pixels, title);
    EXPECT_EQ(0, ink.outside);
    EXPECT_GT(ink.inside, 500);
    EXPECT_GT(ink.right - ink.left, 0.75 * (title.right - title.left));

    // On the render manager's clock the light moves on to cyan after 0.2 s, then orange, and
    // comes round to magenta again; everything else stays put.
    for (const Rgba& colour : {cyan, orange, magenta}) {
        for (int tick = 0; tick < 13; ++tick)
            step();
        pixels = frame();
        EXPECT_EQ(colour, worldPixel(256, 128));
        EXPECT_EQ(colour, worldPixel(218, 166));
        EXPECT_EQ(yellow, worldPixel(-256, 128));
        EXPECT_EQ(skyAt(32, 96), worldPixel(32, 96));
        EXPECT_EQ(ink.inside, inkOf(pixels, title).inside);
    }
}
