#pragma once

#include "core/ParamList.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/RenderManager.h"
#include "support/GlContext.h"
#include "support/Params.h"
#include "support/ScratchDirectory.h"
#include "world/SceneManager.h"
#include "world/XmlFileManager.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Component;
class Entity;

// A real window with a texture cache, and a scene running a RenderManager connected to it. The
// window is 160 x 120 pixels, so a camera of 800 x 600 units shows 5 units per pixel.
class RenderFixture : public GlContextTest {
protected:
    void SetUp() override;
    void TearDown() override;

    Entity* addEntity(const std::string& name, std::vector<Component*> components, double x = 0.0,
                      double y = 0.0);
    void drawFrame();
    void step(double seconds = 0.016) { scene->updateProcess(seconds); }
    // The pixel under a world point, for the main camera's current view.
    Rgba worldPixel(double x, double y);

    static std::string dataFile(const std::string& name) {
        return std::string(VANTORIX_TEST_DATA_DIR) + "/render/" + name;
    }

    std::unique_ptr<SceneManager> scene;
    std::unique_ptr<RenderManager> renderer;
};

// RenderFixture plus the XML file and animation sequence caches, with "StripSequence" registered
// and a copy of tests/data/render/Sequences.xml, pointed at the test data, loaded.
class AnimationFixture : public RenderFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<XmlFileManager> files;
    std::unique_ptr<AnimationSequenceManager> sequences;
    std::string sequenceFile;
};
