#include "gameplay/PlayerPing.h"

#include "world/Entity.h"

const std::string& PlayerPing::typeName() {
    static const std::string type = "PlayerPing";
    return type;
}

bool PlayerPing::isPing(const Entity* entity) {
    return entity && entity->getComponent(typeName()) != nullptr;
}
