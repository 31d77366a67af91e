#pragma once

#include "gameplay/LevelTrigger.h"
#include "gameplay/ScoreableListener.h"
#include "world/Component.h"

#include <string>

// Starts its script once, the first time the score of the named entity reaches the threshold.
// Hears the score changes on its entity's scene.
class ScoreTrigger : public Component, public ScoreableListener {
public:
    static const std::string& typeName();

    ScoreTrigger() = default;
    ScoreTrigger(const LevelTrigger& trigger, int threshold, const std::string& scoreEntity)
        : trigger(trigger), threshold(threshold), scoreEntity(scoreEntity) {}
    // A copy has not fired yet.
    ScoreTrigger(const ScoreTrigger& other)
        : Component(other), ScoreableListener(other), trigger(other.trigger),
          threshold(other.threshold), scoreEntity(other.scoreEntity) {}

    const std::string& getType() const override { return typeName(); }
    // "score" (int), "entity" and "script" are required; "file" is the script's file hint.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new ScoreTrigger(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void scoreChanged(const ScoreableEventPtr& event) override;
    bool hasFired() const { return fired; }

private:
    LevelTrigger trigger;
    int threshold = 0;
    std::string scoreEntity;
    bool fired = false;
};
