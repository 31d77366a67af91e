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

#include <SDL.h>
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

// The screenshot, read back from the BMP the video manager wrote: RGBA rows, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;

    Rgba at(int x, int y) const {
        const std::uint8_t* p = &pixels[(std::size_t(y) * width + x) * 4];
        return Rgba{p[0], p[1], p[2], p[3]};
    }
    // The pixel under a world point, for a view of 800 x 600 units centred on the origin.
    Rgba atWorld(double x, double y) const {
        return at(static_cast<int>(std::floor((x + 400) / 800 * width)),
                  static_cast<int>(std::floor((300 - y) / 600 * height)));
    }
    // The world point at a pixel's centre.
    double worldX(int x) const { return (x + 0.5) / width * 800 - 400; }
    double worldY(int y) const { return 300 - (y + 0.5) / height * 600; }
};

Picture readScreenshot(const std::string& fileName) {
    Picture picture;
    SDL_Surface* loaded = SDL_LoadBMP(fileName.c_str());
    if (!loaded)
        return picture;
    SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, 0x000000FF,
                                             0x0000FF00, 0x00FF0000, 0xFF000000);
    SDL_BlitSurface(loaded, nullptr, rgba, nullptr);
    picture.width = rgba->w;
    picture.height = rgba->h;
    picture.pixels.resize(std::size_t(rgba->w) * rgba->h * 4);
    for (int y = 0; y < rgba->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
        for (int x = 0; x < rgba->w; ++x) {
            std::uint8_t* out = &picture.pixels[(std::size_t(y) * rgba->w + x) * 4];
            std::copy(row + x * 4, row + x * 4 + 3, out);
            out[3] = 255; // the BMP keeps no opacity
        }
    }
    SDL_FreeSurface(rgba);
    SDL_FreeSurface(loaded);
    return picture;
}

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
// Counts the ink inside the area (with a pixel's margin) and outside it.
Ink inkOf(const Picture& picture, const Area& area) {
    Ink ink;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            if (!isInk(picture.at(x, y)))
                continue;
            double wx = picture.worldX(x), wy = picture.worldY(y);
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

    Picture screenshot() {
        drawFrame();
        const std::string fileName = scratch.file("screenshot.bmp").string();
        video().takeScreenshot(fileName);
        return readScreenshot(fileName);
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

    Picture picture = screenshot();
    ASSERT_EQ(640, picture.width);
    ASSERT_EQ(480, picture.height);
    if (!showcasePng.empty()) {
        EXPECT_TRUE(writePng(showcasePng, picture.width, picture.height, picture.pixels))
            << showcasePng;
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
            EXPECT_EQ(skyAt(x, y), picture.atWorld(x, y)) << "sky at (" << x << ", " << y << ")";
        }
    EXPECT_GT(skyPoints, 90);

    // The sprite covers its square (its edge texels blend with the border colour), and the sky
    // shows just beyond it.
    EXPECT_EQ(yellow, picture.atWorld(-256, 128));
    EXPECT_EQ(yellow, picture.atWorld(-294, 90));
    EXPECT_EQ(yellow, picture.atWorld(-218, 166));
    EXPECT_EQ(skyAt(-312, 160), picture.atWorld(-312, 160));
    EXPECT_EQ(skyAt(-224, 186), picture.atWorld(-224, 186));

    // The light starts on its first frame.
    EXPECT_EQ(magenta, picture.atWorld(256, 128));
    EXPECT_EQ(magenta, picture.atWorld(294, 90));
    EXPECT_EQ(skyAt(314, 160), picture.atWorld(314, 160));

    // The title's ink lies inside its box (give or take a pixel) and runs most of its width.
    const Ink ink = inkOf(picture, title);
    EXPECT_EQ(0, ink.outside);
    EXPECT_GT(ink.inside, 500);
    EXPECT_GT(ink.right - ink.left, 0.75 * (title.right - title.left));

    // On the render manager's clock the light moves on to cyan after 0.2 s, then orange, and
    // comes round to magenta again; everything else stays put.
    const Rgba expected[] = {cyan, orange, magenta};
    for (const Rgba& colour : expected) {
        for (int tick = 0; tick < 13; ++tick)
            step();
        picture = screenshot();
        EXPECT_EQ(colour, picture.atWorld(256, 128));
        EXPECT_EQ(colour, picture.atWorld(218, 166));
        EXPECT_EQ(yellow, picture.atWorld(-256, 128));
        EXPECT_EQ(skyAt(32, 96), picture.atWorld(32, 96));
        EXPECT_EQ(ink.inside, inkOf(picture, title).inside);
    }
}
