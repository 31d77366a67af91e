#include "world/UniformTimeIncrementSTC.h"

#include "core/ParamList.h"
#include "core/PointerValidator.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/SceneTemplateGenerator.h"
#include "world/SceneTemplateInstantiator.h"

#include <algorithm>
#include <cmath>

const std::string& UniformTimeIncrementSTC::typeName() {
    static const std::string name = "UniformTimeIncrementSTC";
    return name;
}

UniformTimeIncrementSTC::UniformTimeIncrementSTC(double spawnRate, unsigned maxOnScreen,
                                                 int spawnNumber, const RandomSource& random)
    : interval(spawnRate), maxOnScreen(maxOnScreen), spawnNumber(spawnNumber), random(random) {}

Component* UniformTimeIncrementSTC::createNew(const ParamList& params) const {
    double spawnRate = 0.0;
    unsigned maxOnScreen = 0;
    int spawnNumber = 1;
    params.get("spawnRate", spawnRate);
    params.get("maxOnScreen", maxOnScreen);
    params.get("spawnNumber", spawnNumber);
    return new UniformTimeIncrementSTC(spawnRate, maxOnScreen, spawnNumber,
                                       RandomSource::fromParams(params));
}

Component* UniformTimeIncrementSTC::clone() const {
    return new UniformTimeIncrementSTC(interval, maxOnScreen, spawnNumber, random);
}

void UniformTimeIncrementSTC::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager)
        forgetSpawns();
    followScene(newManager, oldManager);
    if (!newManager)
        return;
    accumulator = interval;
    random.restart();
}

void UniformTimeIncrementSTC::updateProcess(double seconds) {
    // Subtracting a zero, negative or missing interval until the remainder is smaller would
    // never end, so such a spawner stays quiet.
    if (!getSceneManager() || !(interval > 0.0) || !std::isfinite(interval))
        return;
    accumulator += seconds;
    if (!(accumulator >= interval))
        return;
    // One step however many intervals were missed, and exact, so a tiny interval is no loop.
    accumulator = std::fmod(accumulator, interval);
    if (!std::isfinite(accumulator))
        accumulator = 0.0;
    if (maxOnScreen != 0 && spawns.size() >= maxOnScreen)
        return;
    for (int made = 0; made < std::max(spawnNumber, 1); ++made)
        create();
}

void UniformTimeIncrementSTC::create() {
    SceneManager* scene = getSceneManager();
    auto* generator = getSibling<SceneTemplateGenerator>(SceneTemplateGenerator::typeName());
    auto* instantiator =
        getSibling<SceneTemplateInstantiator>(SceneTemplateInstantiator::typeName());
    if (!scene || !generator || !instantiator)
        return;
    SceneTemplatePtr chosen = generator->generate();
    if (!chosen)
        return;
    chosen->load();
    if (chosen->getState() != Resource::Loaded || chosen->loadFailed())
        return;
    SceneNode* root = instantiator->instantiate(chosen);
    Entity* spawn = root ? root->getEntity() : nullptr;
    // A spawn that left again while it was being built, or a spawner that left meanwhile, has
    // nothing to count: no departure would ever be heard.
    if (!spawn || spawn->getSceneManager() != scene || getSceneManager() != scene)
        return;
    if (spawns.insert(spawn).second)
        spawn->addListener(this);
}

void UniformTimeIncrementSTC::entityLeft(const SceneEventPtr& event) {
    Entity* spawn = event->getEntity();
    if (!spawns.erase(spawn))
        return;
    spawn->removeListener(this);
}

void UniformTimeIncrementSTC::forgetSpawns() {
    // The check costs little and keeps a missed departure from becoming a write to freed memory.
    for (Entity* spawn : spawns)
        if (PointerValidator<EventManager>::isValid(spawn))
            spawn->removeListener(this);
    spawns.clear();
}
