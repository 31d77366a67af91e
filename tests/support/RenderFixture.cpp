#include "support/RenderFixture.h"

#include "presentation/Camera.h"
#include "presentation/StripSequence.h"
#include "presentation/VideoManager.h"
#include "support/ScratchDirectory.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

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

Rgba RenderFixture::worldPixel(double x, double y) {
    const AxisAlignedBox view = renderer->getMainCamera()->getViewRect().getLocalBox();
    const VideoMode& mode = video().getVideoMode();
    const Vector2 size = view.getSize();
    return readPixel(static_cast<int>(std::floor((x - view.min.x) / size.x * mode.width)),
                     static_cast<int>(std::floor((y - view.min.y) / size.y * mode.height)));
}

void AnimationFixture::SetUp() {
    RenderFixture::SetUp();
    if (HasFatalFailure())
        return;
    files = std::make_unique<XmlFileManager>();
    sequences = std::make_unique<AnimationSequenceManager>();
    sequences->registerSequenceType("StripSequence", StripSequence());

    std::string text = readTextFile(dataFile("Sequences.xml"));
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
