#pragma once

#include "core/EventListener.h"
#include "core/Vector2.h"
#include "physics/MovableActionEvent.h"
#include "physics/MovableAffector.h"
#include "world/Component.h"

#include <memory>
#include <set>

// Gives an entity a velocity (units per second in the frame of its node's parent), a
// rotational velocity (radians per second) and a mass. The physics manager steps it once per
// simulation step; affectors change its velocity first. Velocities and the node's transform
// never take a NaN or an infinity from here: changes that would produce one are refused.
class Movable : public Component {
public:
    // Applies MovableActionEvents sent to the entity's event manager.
    class ActionListener : public EventListener {
    public:
        explicit ActionListener(Movable& movable)
            : EventListener(EventType::MovableAction), movable(movable) {}
        void handleEvent(const EventPtr& event) override;

    private:
        Movable& movable;
    };

    static const std::string& typeName();

    explicit Movable(double mass = 0.0, const Vector2& velocity = Vector2(),
                     double rotationalVelocity = 0.0, bool relativeToOrientation = false);
    // Lets go of every affector that points back at it.
    ~Movable() override;

    const std::string& getType() const override { return typeName(); }
    // Raises "Invalid type in Movable ParamList." for an unreadable "mass", "velocity" or
    // "rotationalVelocity"; "force" with "forceSpace" adds a Force.
    Component* createNew(const ParamList& params) const override;
    // Shares the shareable affectors; bursts stay with this movable.
    Component* clone() const override;
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    // Ignores null and a non-shareable affector that already acts on a movable.
    void addAffector(const MovableAffectorPtr& affector);
    void removeAffector(const MovableAffectorPtr& affector);
    const std::set<MovableAffectorPtr>& getAffectors() const { return affectors; }

    // Turns a velocity given in the entity's own frame into its parent's frame, once.
    void applyRelativeOrientation();
    // Runs every affector, dropping the finished ones.
    void stepAffectors(double seconds);
    // One Euler step: affectors, then the node moves by velocity and turns by the rotational
    // velocity over the seconds.
    void step(double seconds);

    const Vector2& getVelocity() const { return velocity; }
    // A non-finite velocity is refused; answers whether it was taken.
    bool setVelocity(const Vector2& newVelocity);
    double getRotationalVelocity() const { return rotationalVelocity; }
    bool setRotationalVelocity(double newRotationalVelocity);
    double getMass() const { return mass; }
    // A NaN mass is refused. Forces and brakes act only on a positive mass.
    void setMass(double newMass);
    bool isRelativeToOrientation() const { return relativeToOrientation; }
    void setRelativeToOrientation(bool relative) { relativeToOrientation = relative; }

    void applyAction(const MovableActionEvent& action);

private:
    Vector2 velocity;
    double rotationalVelocity;
    double mass;
    std::set<MovableAffectorPtr> affectors;
    bool relativeToOrientation;
    std::unique_ptr<ActionListener> actionListener;
};
