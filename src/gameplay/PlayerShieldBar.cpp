#include "gameplay/PlayerShieldBar.h"

#include "gameplay/PlayerShield.h"
#include "world/Entity.h"

const std::string& PlayerShieldBar::typeName() {
    static const std::string type = "PlayerShieldBar";
    return type;
}

Component* PlayerShieldBar::createNew(const ParamList& params) const {
    return new PlayerShieldBar(playerFrom(params, typeName()));
}

void PlayerShieldBar::shieldChanged(const PlayerShieldEventPtr& event) {
    if (isPlayer(event->getEntityName()))
        update(event->getAmount());
}

void PlayerShieldBar::showCurrent(Entity& playerEntity) {
    if (auto* shield = playerEntity.getComponent<PlayerShield>(PlayerShield::typeName()))
        update(shield->getAmount());
}
