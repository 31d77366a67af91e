#include "physics/Movable.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "physics/Force.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <cmath>
#include <vector>

namespace {

bool isFinite(const Vector2& v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

// A present parameter that does not convert stops creation.
template <typename T> void readOptional(const ParamList& params, const char* name, T& value) {
    if (params.get(name, value) == ParamList::NotConvertible)
        throw myexception("Invalid type in Movable ParamList.");
}

} // namespace

const std::string& Movable::typeName() {
    static const std::string name = "Movable";
    return name;
}

Movable::Movable(double mass, const Vector2& velocity, double rotationalVelocity,
                 bool relativeToOrientation)
    : velocity(0, 0), rotationalVelocity(0.0), mass(0.0),
      relativeToOrientation(relativeToOrientation),
      actionListener(std::make_unique<ActionListener>(*this)) {
    setVelocity(velocity);
    setRotationalVelocity(rotationalVelocity);
    setMass(mass);
}

Movable::~Movable() {
    for (const MovableAffectorPtr& affector : affectors)
        if (affector->getMovable() == this)
            affector->setMovable(nullptr);
}

Component* Movable::createNew(const ParamList& params) const {
    double newMass = 0.0, newRotationalVelocity = 0.0;
    Vector2 newVelocity;
    readOptional(params, "mass", newMass);
    readOptional(params, "velocity", newVelocity);
    readOptional(params, "rotationalVelocity", newRotationalVelocity);
    auto movable = std::make_unique<Movable>(newMass, newVelocity, newRotationalVelocity);
    params.get("relativeToOrienation", movable->relativeToOrientation);
    if (params.has("force") && params.has("forceSpace")) {
        Vector2 force;
        SceneNode::TransformSpace space = SceneNode::World;
        params.getRequired("force", force, typeName());
        params.getRequired("forceSpace", space, typeName());
        movable->addAffector(MovableAffectorPtr(new Force(force, space)));
    }
    return movable.release();
}

Component* Movable::clone() const {
    auto* copy = new Movable(mass, velocity, rotationalVelocity, relativeToOrientation);
    for (const MovableAffectorPtr& affector : affectors)
        if (affector->isShareable())
            copy->affectors.insert(affector);
    return copy;
}

void Movable::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(actionListener.get());
    if (newEntity)
        newEntity->addListener(actionListener.get());
}

void Movable::addAffector(const MovableAffectorPtr& affector) {
    if (!affector || (!affector->isShareable() && affector->getMovable()))
        return;
    if (affectors.insert(affector).second) {
        affector->setMovable(this);
        affector->attached(*this);
    }
}

void Movable::removeAffector(const MovableAffectorPtr& affector) {
    if (!affector)
        return;
    affectors.erase(affector);
    if (affector->getMovable() == this)
        affector->setMovable(nullptr);
}

void Movable::applyRelativeOrientation() {
    SceneNode* node = getNode();
    if (!relativeToOrientation || !node)
        return;
    relativeToOrientation = false;
    setVelocity(velocity.rotatedBy(node->getWorldOrientation()));
}

// Works on a snapshot so that an affector may add or remove affectors while it runs.
void Movable::stepAffectors(double seconds) {
    std::vector<MovableAffectorPtr> current(affectors.begin(), affectors.end());
    for (const MovableAffectorPtr& affector : current) {
        if (!affectors.count(affector))
            continue;
        if (affector->update(*this, seconds)) {
            if (affector->getMovable() == this)
                affector->setMovable(nullptr);
            affectors.erase(affector);
        }
    }
}

void Movable::step(double seconds) {
    stepAffectors(seconds);
    SceneNode* node = getNode();
    if (!node)
        return;
    const Vector2 offset = velocity * seconds;
    if (offset != Vector2(0, 0) && isFinite(node->getPosition() + offset))
        node->translate(offset, SceneNode::Parent);
    const double angle = rotationalVelocity * seconds;
    const Vector2 turn(std::cos(angle), std::sin(angle));
    if (turn != Vector2(1, 0) && isFinite(turn))
        node->rotate(turn);
}

bool Movable::setVelocity(const Vector2& newVelocity) {
    if (!isFinite(newVelocity))
        return false;
    velocity = newVelocity;
    return true;
}

bool Movable::setRotationalVelocity(double newRotationalVelocity) {
    if (!std::isfinite(newRotationalVelocity))
        return false;
    rotationalVelocity = newRotationalVelocity;
    return true;
}

void Movable::setMass(double newMass) {
    if (!std::isnan(newMass))
        mass = newMass;
}

void Movable::applyAction(const MovableActionEvent& action) {
    const double real = action.getReal();
    switch (action.getAction()) {
    case MovableActionEvent::SetVelocity:
        setVelocity(action.getVector());
        relativeToOrientation = false;
        break;
    case MovableActionEvent::AddVelocity:
        setVelocity(velocity + action.getVector());
        relativeToOrientation = false;
        break;
    case MovableActionEvent::ScaleVelocity:
        setVelocity(velocity * real);
        relativeToOrientation = false;
        break;
    case MovableActionEvent::RotateVelocity:
        setVelocity(velocity.rotatedBy(Vector2(std::cos(real), std::sin(real))));
        relativeToOrientation = false;
        break;
    case MovableActionEvent::SetRotationalVelocity:
        setRotationalVelocity(real);
        break;
    case MovableActionEvent::ScaleRotationalVelocity:
        setRotationalVelocity(rotationalVelocity * real);
        break;
    case MovableActionEvent::SetMass:
        setMass(real > 0.0 ? real : 0.0);
        break;
    }
}

void Movable::ActionListener::handleEvent(const EventPtr& event) {
    movable.applyAction(static_cast<const MovableActionEvent&>(*event));
}
