#include "gameplay/ScoreTrigger.h"

#include "core/ParamList.h"
#include "world/SceneManager.h"

const std::string& ScoreTrigger::typeName() {
    static const std::string type = "ScoreTrigger";
    return type;
}

Component* ScoreTrigger::createNew(const ParamList& params) const {
    int threshold = 0;
    std::string scoreEntity;
    params.getRequired("score", threshold, typeName());
    params.getRequired("entity", scoreEntity, typeName());
    return new ScoreTrigger(LevelTrigger::fromParams(params, typeName()), threshold, scoreEntity);
}

void ScoreTrigger::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager)
        oldManager->removeListener(this);
    if (newManager)
        newManager->addListener(this);
}

void ScoreTrigger::scoreChanged(const ScoreableEventPtr& event) {
    if (fired || event->getScore() < threshold || event->getEntityName() != scoreEntity)
        return;
    // Marked first: the script's run could announce another score before this returns.
    fired = true;
    trigger.fire(getSceneManager());
}
