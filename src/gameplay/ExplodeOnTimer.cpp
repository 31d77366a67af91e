#include "gameplay/ExplodeOnTimer.h"

#include "core/ParamList.h"
#include "core/Timer.h"
#include "core/myexception.h"
#include "gameplay/Explodable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/TargetHolder.h"

#include <cmath>

const std::string& ExplodeOnTimer::typeName() {
    static const std::string type = "ExplodeOnTimer";
    return type;
}

const std::string& ExplodeOnTimer::timerName() {
    static const std::string name = "ExplodeTimer";
    return name;
}

ExplodeOnTimer::ExplodeOnTimer(const ExplodeOnTimer& other)
    : Component(other), CollidableListener(other), TimerListener(other), time(other.time),
      active(other.active), destroyParent(other.destroyParent) {}

ExplodeOnTimer::~ExplodeOnTimer() {
    if (timer)
        timer->kill();
}

ExplodeOnTimer* ExplodeOnTimer::fromParams(const ParamList& params) {
    double time = 0.0;
    bool active = false, destroyParent = false;
    params.getRequired("time", time, typeName());
    if (!std::isfinite(time) || time < 0.0)
        throw myexception("Illegal value for timer.");
    params.get("active", active);
    params.get("destroyParent", destroyParent);
    return new ExplodeOnTimer(time, active, destroyParent);
}

void ExplodeOnTimer::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity) {
        cancelCountdown();
        oldEntity->removeListener(static_cast<CollidableListener*>(this));
        oldEntity->removeListener(static_cast<TimerListener*>(this));
    }
    if (newEntity) {
        newEntity->addListener(static_cast<CollidableListener*>(this));
        newEntity->addListener(static_cast<TimerListener*>(this));
    }
}

void ExplodeOnTimer::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager)
        cancelCountdown();
    if (newManager && active)
        startCountdown();
}

void ExplodeOnTimer::collisionStarted(const CollidableEventPtr& event) {
    if (active)
        return;
    auto* seeker = dynamic_cast<TargetHolder*>(getSibling("TargetSeeker"));
    Entity* target = seeker ? seeker->getTarget() : nullptr;
    if (target && (target == event->getFirst() || target == event->getSecond()))
        startCountdown();
}

void ExplodeOnTimer::startCountdown() {
    SceneManager* scene = getSceneManager();
    if (state != Waiting || !scene)
        return;
    state = Counting;
    timer = new Timer(timerName(), getEntity(), time);
    scene->addProcess(timer);
}

void ExplodeOnTimer::cancelCountdown() {
    if (state != Counting)
        return;
    if (timer)
        timer->kill();
    timer = nullptr;
    state = Waiting;
}

void ExplodeOnTimer::timerExpired(const boost::shared_ptr<TimerEvent>& event) {
    if (event->getName() != timerName() || state != Counting)
        return;
    timer = nullptr;
    state = Exploded;
    Entity* entity = getEntity();
    if (!entity || !getNode() || !getSceneManager())
        return;
    if (destroyParent)
        leaveParent();
    if (auto* explodable = getSibling<Explodable>(Explodable::roleName()))
        explodable->explode();
    else
        entity->kill();
}

void ExplodeOnTimer::leaveParent() {
    Entity* parentEntity = getEntity()->getParentEntity();
    if (!parentEntity)
        return;
    SceneNode* node = getNode();
    SceneManager* scene = getSceneManager();
    node->getParent()->removeChild(node, true);
    scene->addNode(node);
    parentEntity->kill();
}
