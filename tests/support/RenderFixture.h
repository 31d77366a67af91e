#pragma once

#include "core/ParamList.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/RenderManager.h"
#include "support/GlContext.h"
#include "world/SceneManager.h"
#include "world/XmlFileManager.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Component;
class Entity;

// A real window (see GlContextTest) with a texture cache, a scene and a RenderManager connected
// to it and running as one of the scene's processes. The default window is 160 x 120 pixels, so
// a camera of 800 x 600 world units shows 5 units per pixel.
class RenderFixture : public GlContextTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new entity with the components, placed as a root of the scene at the position.
    Entity* addEntity(const std::string& name, std::vector<Component*> components, double x = 0.0,
                      double y = 0.0);
    // Clears the colour buffer and renders the scene through the main camera.
    void drawFrame();
    // One step of the scene's processes (the animation clock among them).
    void step(double seconds = 0.016);
    // The pixel under a world point, for the main camera's current view.
    Rgba worldPixel(double x, double y);

    static ParamList params(std::initializer_list<std::pair<std::string, std::string>> values);
    // A file under tests/data/render.
    static std::string dataFile(const std::string& name);

    std::unique_ptr<SceneManager> scene;
    std::unique_ptr<RenderManager> renderer;
};

// RenderFixture plus the XML file cache and the animation sequence cache with "StripSequence"
// registered, and tests/data/render/Sequences.xml loaded (from a copy that points its search
// directory at the test data).
class AnimationFixture : public RenderFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<XmlFileManager> files;
    std::unique_ptr<AnimationSequenceManager> sequences;
    std::string sequenceFile;
};

// Reads the whole text of a file; empty when it cannot be read.
std::string readWholeFile(const std::string& path);
