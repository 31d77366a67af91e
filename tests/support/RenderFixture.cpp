#include "support/RenderFixture.h"

#include "presentation/AnimationSequenceManager.h"
#include "presentation/Camera.h"
#include "presentation/RenderManager.h"
#include "presentation/StripSequence.h"
#include "presentation/VideoManager.h"
#include "support/ScratchDirectory.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/XmlFileManager.h"

#include <SDL_opengl.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include <unistd.h>

void RenderFixture::SetUp() {
    GlContextTest::SetUp();
    if (HasFatalFailure())
        return;
    textures();
    scene = std::make_unique<SceneManager>();
    renderer = std::make_unique<RenderManager>();
    renderer->connect(scene.get());
    scene->addProcess(renderer.get());
}

void RenderFixture::TearDown() {
    renderer.reset();
    scene.reset();
    GlContextTest::TearDown();
}

Entity* RenderFixture::addEntity(const std::string& name, std::vector<Component*> components,
                                 double x, double y) {
    SceneNode* node = Entity::create(name, components);
    node->setPosition(Vector2(x, y));
    scene->addNode(node);
    return node->getEntity();
}

void RenderFixture::drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT);
    renderer->render();
}

void RenderFixture::step(double seconds) {
    scene->updateProcess(seconds);
}

Rgba RenderFixture::worldPixel(double x, double y) {
    const AxisAlignedBox view = renderer->getMainCamera()->getViewRect().getLocalBox();
    const VideoMode& mode = video().getVideoMode();
    double fx = (x - view.min.x) / (view.max.x - view.min.x);
    double fy = (y - view.min.y) / (view.max.y - view.min.y);
    return readPixel(static_cast<int>(std::floor(fx * mode.width)),
                     static_cast<int>(std::floor(fy * mode.height)));
}

ParamList RenderFixture::params(std::initializer_list<std::pair<std::string, std::string>> values) {
    ParamList list;
    for (const auto& value : values)
        list.set(value.first, value.second);
    return list;
}

std::string RenderFixture::dataFile(const std::string& name) {
    return std::string(VANTORIX_TEST_DATA_DIR) + "/render/" + name;
}

std::string readWholeFile(const std::string& path) {
    return readTextFile(path);
}

void AnimationFixture::SetUp() {
    RenderFixture::SetUp();
    if (HasFatalFailure())
        return;
    files = std::make_unique<XmlFileManager>();
    sequences = std::make_unique<AnimationSequenceManager>();
    sequences->registerSequenceType("StripSequence", StripSequence());

    std::string text = readWholeFile(dataFile("Sequences.xml"));
    const std::string placeholder = "@DATA@";
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder))
        text.replace(at, placeholder.size(), VANTORIX_TEST_DATA_DIR);
    sequenceFile = "./RenderSequences-" + std::to_string(getpid()) + ".xml";
    std::ofstream(sequenceFile) << text;
    XmlFilePtr file = files->getFile(sequenceFile);
    file->load();
    ASSERT_FALSE(file->loadFailed());
}

void AnimationFixture::TearDown() {
    // Components hold frame textures, not sequences, so the scene may go after the caches.
    renderer.reset();
    scene.reset();
    sequences.reset();
    files.reset();
    std::remove(sequenceFile.c_str());
    RenderFixture::TearDown();
}
