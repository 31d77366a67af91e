#pragma once

#include "world/Component.h"

class ParamList;

// Makes an entity subject to obstacles (entities with a MovableDeflector): on touching one it is
// pushed back out (Deflect), pushed out and stopped along that axis (Stop), or destroyed (Kill).
// Parameter "reaction": "Deflect", "Stop" or "Kill", required.
//
// It also keeps the one re-test of its entity's collidable that obstacles ask the physics manager
// for after a push, so that a mover pushed from obstacle to obstacle is tested once per step.
class Deflectable : public Component {
public:
    enum class Reaction { Deflect = 0, Stop = 1, Kill = 2 };

    static const std::string& typeName();

    explicit Deflectable(Reaction reaction = Reaction::Deflect) : reaction(reaction) {}
    // A copy has the reaction but no waiting re-test.
    Deflectable(const Deflectable& other) : Component(other), reaction(other.reaction) {}
    // Raises "invalid param for reaction." for a reaction other than the three names.
    static Deflectable* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new Deflectable(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    Reaction getReaction() const { return reaction; }

    // Queues a test of the entity's collidable against all others on the scene's event manager,
    // due at the scene's next queue run, so that the physics manager's contact records follow a
    // push. A re-test that is still waiting covers a new request: it tests wherever the entity is
    // by then.
    void queueRecheck(SceneManager& scene);

private:
    Reaction reaction;
    // The scene and time stamp of the re-test last queued; it has run once the scene's clock
    // reaches the stamp, as the scene works off its queue first in every update.
    SceneManager* recheckScene = nullptr;
    double recheckDue = 0.0;
};
