#pragma once

#include "gameplay/RemovalReward.h"
#include "world/Component.h"

#include <string>

// Tells its scene, each time its entity leaves it, that an object of its kind ("Enemy",
// "PowerUp") is gone, so the level's counters can count it. A killer that removes the entity for
// nothing forfeits the count first, and the entity then leaves uncounted.
class CountableObject : public Component, public RemovalReward {
public:
    static const std::string& typeName();

    explicit CountableObject(const std::string& objectType = std::string())
        : objectType(objectType) {}

    const std::string& getType() const override { return typeName(); }
    // "type" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new CountableObject(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void forfeit() override { forfeited = true; }
    const std::string& getObjectType() const { return objectType; }

private:
    std::string objectType;
    bool forfeited = false;
};
