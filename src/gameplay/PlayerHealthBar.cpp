#include "gameplay/PlayerHealthBar.h"

#include "gameplay/Damageable.h"
#include "world/Entity.h"

#include <cstdint>

const std::string& PlayerHealthBar::typeName() {
    static const std::string type = "PlayerHealthBar";
    return type;
}

Component* PlayerHealthBar::createNew(const ParamList& params) const {
    return new PlayerHealthBar(playerFrom(params, typeName()));
}

void PlayerHealthBar::healthChanged(const DamageableEventPtr& event) {
    if (isPlayer(event->getEntityName()))
        update(event->getHP(), event->getTotalHP());
}

void PlayerHealthBar::update(int hp, int totalHP) {
    // Doubled and quadrupled points of a large total would overflow an int.
    const std::int64_t points = hp, total = totalHP;
    const char* animation = 2 * points > total   ? "HealthBar-Green"
                            : 4 * points > total ? "HealthBar-Yellow"
                                                 : "HealthBar-Red";
    show(animation, totalHP > 0 ? double(hp) / double(totalHP) : 0.0);
}

void PlayerHealthBar::showCurrent(Entity& playerEntity) {
    if (auto* damageable = playerEntity.getComponent<Damageable>(Damageable::typeName()))
        update(damageable->getHP(), damageable->getTotalHP());
}
