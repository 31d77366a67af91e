#include "gameplay/FireBulletsOnTimer.h"

#include "core/ParamList.h"
#include "core/Timer.h"
#include "core/myexception.h"
#include "gameplay/BulletShooter.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/TargetHolder.h"

#include <cmath>

namespace {
// Names each timer apart from every earlier one.
unsigned long timerCounter = 0;

Entity* targetOf(const Component& component, const std::string& seekerType) {
    auto* seeker = dynamic_cast<TargetHolder*>(component.getSibling(seekerType));
    return seeker ? seeker->getTarget() : nullptr;
}
} // namespace

const std::string& FireBulletsOnTimer::typeName() {
    static const std::string type = "FireBulletsOnTimer";
    return type;
}

FireBulletsOnTimer::FireBulletsOnTimer(const FireBulletsOnTimer& other)
    : Component(other), TimerListener(other), rate(other.rate), distance(other.distance) {}

FireBulletsOnTimer::~FireBulletsOnTimer() {
    stopTimer();
}

FireBulletsOnTimer* FireBulletsOnTimer::fromParams(const ParamList& params) {
    double rate = 0.0, distance = 0.0;
    params.getRequired("rate", rate, typeName());
    if (!std::isfinite(rate) || rate <= 0.0)
        throw myexception("Illegal value for timer.");
    params.get("distance", distance);
    return new FireBulletsOnTimer(rate, distance);
}

void FireBulletsOnTimer::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity) {
        stopTimer();
        oldEntity->removeListener(this);
    }
    if (newEntity)
        newEntity->addListener(this);
}

void FireBulletsOnTimer::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager)
        stopTimer();
    if (newManager)
        startTimer(rate);
}

void FireBulletsOnTimer::startTimer(double delay) {
    SceneManager* scene = getSceneManager();
    if (!scene || !getEntity())
        return;
    timerName = typeName() + std::to_string(++timerCounter);
    timer = new Timer(timerName, getEntity(), delay);
    armedWith = delay;
    armedAt = scene->getTotalTime();
    scene->addProcess(timer);
}

void FireBulletsOnTimer::stopTimer() {
    if (timer)
        timer->kill();
    timer = nullptr;
    timerName.clear();
}

void FireBulletsOnTimer::timerExpired(const boost::shared_ptr<TimerEvent>& event) {
    if (timerName.empty() || event->getName() != timerName || !timer)
        return;
    double now = event->getTime();
    auto* gun = getSibling<BulletShooter>(BulletShooter::typeName());
    if (gun && now != lastShotAt && targetInRange()) {
        lastShotAt = now;
        gun->fire();
    }
    // A timer started during a step is also counted down in that step, since the process list
    // reaches the new timer later in the same pass. Firing in the step it was started, it has
    // had the whole step taken off (armedWith - remaining): the next one gets that step back,
    // or a rate shorter than a step would start and fire timers without end in one pass.
    double carried = now == armedAt ? armedWith - timer->getRemaining() : 0.0;
    timer = nullptr;
    if (getSceneManager())
        startTimer(rate + carried);
}

bool FireBulletsOnTimer::targetInRange() const {
    if (distance <= 0.0)
        return true;
    Entity* target = targetOf(*this, "TargetSeeker");
    bool seeking = getSibling("TargetSeeker") != nullptr;
    if (!target && !seeking) {
        target = targetOf(*this, "TargetableGroupSeeker");
        seeking = getSibling("TargetableGroupSeeker") != nullptr;
    }
    if (!seeking)
        return true;
    if (!target || !target->getNode() || !getNode())
        return false;
    Vector2 offset = target->getNode()->getWorldPosition() - getNode()->getWorldPosition();
    return offset.lengthSquared() <= distance * distance;
}
