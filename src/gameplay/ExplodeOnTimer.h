#pragma once

#include "core/TimerListener.h"
#include "physics/CollidableListener.h"
#include "world/Component.h"

#include <string>

class ParamList;
class Timer;

// Blows its entity up a while after it entered a scene ("active") or after it first touched the
// target of its entity's TargetSeeker. The delay is a Timer named "ExplodeTimer" in the scene's
// process list, sent to this entity. When it runs out the entity's Explodable explodes (or, with
// none, the entity is killed); with destroyParent the entity first leaves its parent, keeping
// its place, and the parent entity is killed.
class ExplodeOnTimer : public Component, public CollidableListener, public TimerListener {
public:
    enum State { Waiting, Counting, Exploded };

    static const std::string& typeName();
    static const std::string& timerName();

    explicit ExplodeOnTimer(double time = 0.0, bool active = false, bool destroyParent = false)
        : time(time), active(active), destroyParent(destroyParent) {}
    ExplodeOnTimer(const ExplodeOnTimer& other);
    ~ExplodeOnTimer() override;
    // "time" is required and must be a finite number of seconds, not negative: anything else is
    // refused here, with "Illegal value for timer.", rather than when the delay starts in the
    // middle of a collision. "active" and "destroyParent" are optional.
    static ExplodeOnTimer* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new ExplodeOnTimer(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void collisionStarted(const CollidableEventPtr& event) override;
    void timerExpired(const boost::shared_ptr<TimerEvent>& event) override;

    State getState() const { return state; }

private:
    void startCountdown();
    // Back to waiting, for an entity that leaves its scene before the delay ran out.
    void cancelCountdown();
    void leaveParent();

    double time;
    bool active;
    bool destroyParent;
    State state = Waiting;
    // Owned by the scene's process manager; valid until it fires or is cancelled here.
    Timer* timer = nullptr;
};
