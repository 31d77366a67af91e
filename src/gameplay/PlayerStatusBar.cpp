#include "gameplay/PlayerStatusBar.h"

#include "core/ParamList.h"
#include "presentation/AnimationActionEvent.h"
#include "presentation/OccludedAnimatable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

std::string PlayerStatusBar::playerFrom(const ParamList& params, const std::string& context) {
    std::string player;
    params.getRequired("player", player, context);
    return player;
}

void PlayerStatusBar::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    auto* sceneListener = static_cast<SceneListener*>(this);
    if (oldManager) {
        if (Entity* playerEntity = oldManager->findEntity(player))
            playerEntity->removeListener(&playerListener());
        oldManager->removeListener(sceneListener);
    }
    if (newManager) {
        if (Entity* playerEntity = newManager->findEntity(player))
            watch(*playerEntity);
        newManager->addListener(sceneListener);
    }
}

void PlayerStatusBar::entityEntered(const SceneEventPtr& event) {
    Entity* entity = event->getEntity();
    if (entity && isPlayer(entity->getName()))
        watch(*entity);
}

void PlayerStatusBar::entityLeft(const SceneEventPtr& event) {
    Entity* entity = event->getEntity();
    if (entity && isPlayer(entity->getName()))
        entity->removeListener(&playerListener());
}

void PlayerStatusBar::watch(Entity& playerEntity) {
    showCurrent(playerEntity);
    playerEntity.addListener(&playerListener());
}

void PlayerStatusBar::show(const std::string& animation, double fraction) {
    Entity* entity = getEntity();
    if (!entity)
        return;
    entity->sendEvent(
        EventPtr(new AnimationActionEvent(AnimationActionEvent::SetAnimation, animation, 0.0)));
    if (auto* bar = getSibling<OccludedAnimatable>(OccludedAnimatable::typeName()))
        bar->setOcclusion(fraction);
}
