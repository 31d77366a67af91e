#pragma once

#include "gameplay/OwnCollisionListener.h"

#include <string>

class ParamList;

// A pickup that gives its effect to the entity of one name (the player's ship) when it starts to
// touch it, and then kills its own entity. The kill takes effect at the scene's next garbage
// collection, which comes before the next physics step; until then a power-up that is already
// leaving gives nothing, so two touches in one step cannot collect it twice.
class PowerUp : public OwnCollisionListener {
public:
    void collisionStarted(const CollidableEventPtr& event) override;

    const std::string& getEntityName() const { return entityName; }

    // True outside a scene and while the entity's node, or one above it, waits to be deleted.
    static bool isLeaving(const Entity* entity);

protected:
    PowerUp() = default;
    explicit PowerUp(const std::string& entityName) : entityName(entityName) {}
    // The required "entity", with the concrete type named in the error.
    static std::string readEntityName(const ParamList& params, const std::string& type);

    // Gives the effect to the entity that picked the power-up up; each kind acts only when that
    // entity has the component it works on.
    virtual void applyTo(Entity& receiver) = 0;

private:
    std::string entityName;
};
