#include "gameplay/HealthTrigger.h"

#include "core/ParamList.h"
#include "world/Entity.h"

#include <algorithm>

const std::string& HealthTrigger::typeName() {
    static const std::string type = "HealthTrigger";
    return type;
}

HealthTrigger::HealthTrigger(std::vector<Stage> unsorted) : stages(std::move(unsorted)) {
    std::stable_sort(stages.begin(), stages.end(), [](const Stage& left, const Stage& right) {
        return left.threshold < right.threshold;
    });
}

Component* HealthTrigger::createNew(const ParamList& params) const {
    std::vector<Stage> read;
    for (int number = 0;; ++number) {
        const std::string suffix = std::to_string(number);
        const std::string& script = params.getText("script" + suffix);
        if (script.empty())
            break;
        Stage stage;
        params.getRequired("damage" + suffix, stage.threshold, typeName());
        stage.trigger = LevelTrigger(script, params.getText("file" + suffix));
        read.push_back(stage);
    }
    return new HealthTrigger(std::move(read));
}

void HealthTrigger::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(this);
    if (newEntity)
        newEntity->addListener(this);
}

void HealthTrigger::healthChanged(const DamageableEventPtr& event) {
    const int hp = event->getHP();
    bool reached = false;
    Stage lowest;
    while (!stages.empty() && stages.back().threshold >= hp) {
        lowest = stages.back();
        stages.pop_back();
        reached = true;
    }
    if (reached)
        lowest.trigger.fire(getSceneManager());
}
