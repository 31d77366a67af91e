#pragma once

#include "gameplay/CombatScene.h"
#include "gameplay/CountableObject.h"
#include "gameplay/DamagedBy.h"
#include "gameplay/ExplodeWhenHealthZero.h"
#include "gameplay/KillWhenLeavingArea.h"
#include "gameplay/Scoreable.h"
#include "support/ProbeComponent.h"
#include "support/RecordingListener.h"

// CombatScene with Scoring.xml: the enemy scene "RaiderAlone" (3 hit points, worth 250 points to
// "Player", an "Enemy", killed for nothing when it leaves the area "Field") and the scripts
// "Stage75", "Stage50", "Stage25" and "Reached", each sending the scene one ProbeEvent labelled
// with its number or "reached" as soon as it runs.
class ScoringScene : public CombatScene {
protected:
    void SetUp() override {
        CombatScene::SetUp();
        components->registerType(Damageable());
        components->registerType(DamagedBy());
        components->registerType(ExplodeWhenHealthZero());
        components->registerType(KillWhenLeavingArea());
        components->registerType(Scoreable());
        components->registerType(CountableObject());
        loadDataFile("./Scoring.xml");
        scene->addListener(&scripts);
    }
    // The labels of the scripts that ran, in order.
    std::vector<std::string> scriptsRun() const {
        std::vector<std::string> labels;
        for (const EventPtr& event : scripts.heard)
            labels.push_back(static_cast<const ProbeEvent&>(*event).label);
        return labels;
    }
    static ParamList paramsOf(std::initializer_list<std::pair<std::string, std::string>> values) {
        ParamList params;
        for (const auto& value : values)
            params.set(value.first, value.second);
        return params;
    }

    RecordingListener scripts{ProbeEvent::code};
};
