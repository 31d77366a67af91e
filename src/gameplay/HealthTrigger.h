#pragma once

#include "gameplay/DamageableListener.h"
#include "gameplay/LevelTrigger.h"
#include "world/Component.h"

#include <vector>

// Starts scripts as its entity's hit points fall: each stage runs once, when the points drop to
// its threshold or below. A hit that crosses several thresholds at once runs only the stage with
// the smallest of them; the others are used up unrun. Stages with equal thresholds keep the order
// of their numbers, so the lowest-numbered of them is the one that runs.
class HealthTrigger : public Component, public DamageableListener {
public:
    struct Stage {
        LevelTrigger trigger;
        int threshold = 0;
    };

    static const std::string& typeName();

    HealthTrigger() = default;
    // The stages in any order; they are kept sorted by threshold.
    explicit HealthTrigger(std::vector<Stage> stages);

    const std::string& getType() const override { return typeName(); }
    // Stage n from "script"+n, "damage"+n (int, required with its script) and "file"+n (file
    // hint), for n = 0, 1, ... up to the first missing or empty script.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new HealthTrigger(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void healthChanged(const DamageableEventPtr& event) override;

    const std::vector<Stage>& getStages() const { return stages; }

private:
    // Smallest threshold first; the stages still to come are taken from the back.
    std::vector<Stage> stages;
};
