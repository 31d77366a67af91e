#pragma once

#include "world/Component.h"

// Marks an entity as the player's ping. Components that react to pings look for it on the entity
// they touch; it has no parameters and does nothing itself.
class PlayerPing : public Component {
public:
    static const std::string& typeName();

    // Whether the entity (possibly null) is a ping.
    static bool isPing(const Entity* entity);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override { return new PlayerPing(); }
    Component* clone() const override { return new PlayerPing(*this); }
};
