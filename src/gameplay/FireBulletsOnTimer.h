#pragma once

#include "core/TimerListener.h"
#include "world/Component.h"

#include <string>

class ParamList;
class Timer;

// Makes its entity's gun fire every "rate" seconds while the entity is in a scene; with a
// "distance", only while the target of its seeker (a TargetSeeker, else a TargetableGroupSeeker)
// is that near. The countdown is a Timer in the scene's process list sent to this entity; each
// one gets a name of its own ("FireBulletsOnTimer" and a counter), so that a leftover timer from
// before the entity left its scene is not taken for the current one.
class FireBulletsOnTimer : public Component, public TimerListener {
public:
    static const std::string& typeName();

    explicit FireBulletsOnTimer(double rate = 1.0, double distance = 0.0)
        : rate(rate), distance(distance) {}
    FireBulletsOnTimer(const FireBulletsOnTimer& other);
    ~FireBulletsOnTimer() override;
    // "rate" is required and must be a finite number of seconds above 0 (anything else is
    // refused here, with "Illegal value for timer."); "distance" is optional.
    static FireBulletsOnTimer* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new FireBulletsOnTimer(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void timerExpired(const boost::shared_ptr<TimerEvent>& event) override;

    const std::string& getTimerName() const { return timerName; }

private:
    // delay is the countdown of the new timer.
    void startTimer(double delay);
    void stopTimer();
    bool targetInRange() const;

    double rate;
    double distance;
    std::string timerName;
    // Owned by the scene's process manager; valid until it fires or is stopped here.
    Timer* timer = nullptr;
    // The countdown the current timer started with, and the scene time at which it started.
    double armedWith = 0.0;
    double armedAt = 0.0;
    // Scene time of the last shot: never two shots in one step.
    double lastShotAt = -1.0;
};
