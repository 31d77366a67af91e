#pragma once

#include "world/RandomSource.h"
#include "world/SceneListener.h"
#include "world/SceneProcess.h"
#include "world/SceneTemplateCreator.h"

#include <set>

// Spawns every "spawnRate" seconds while its entity is in a scene: "spawnNumber" spawns per
// firing (default 1, at least one), skipped while "maxOnScreen" (0: no limit) of its spawns are
// still in the scene. The first update after entering a scene fires. Intervals missed within
// one long update are dropped, not caught up. A rate that is not a positive finite number never
// fires. "seed" seeds a random source restarted like its partners'; spawning draws nothing
// from it.
//
// It counts the root entity of each spawn and hears, on that entity's own event manager, when
// it leaves the scene. Leaving the scene itself forgets every spawn it counted.
class UniformTimeIncrementSTC : public SceneTemplateCreator,
                                public SceneProcess,
                                public SceneListener {
public:
    static const std::string& typeName();

    UniformTimeIncrementSTC() = default;
    UniformTimeIncrementSTC(double spawnRate, unsigned maxOnScreen, int spawnNumber,
                            const RandomSource& random);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    // A copy has the settings and none of the spawns.
    Component* clone() const override;

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    void updateProcess(double seconds) override;
    void create() override;
    void entityEntered(const SceneEventPtr&) override {}
    void entityLeft(const SceneEventPtr& event) override;

    double getAccumulator() const { return accumulator; }
    // Spawns counted since the last scene entry that are still in the scene.
    std::size_t getOnScreen() const { return spawns.size(); }

private:
    void forgetSpawns();

    double interval = 0.0;
    unsigned maxOnScreen = 0;
    int spawnNumber = 1;
    double accumulator = 0.0;
    // Root entities of the counted spawns, each with this listener registered on it. An entity
    // announces its departure before it is deleted, so every one in the set is alive.
    std::set<Entity*> spawns;
    RandomSource random;
};
