#pragma once

#include "gameplay/RemovalReward.h"
#include "world/Component.h"

#include <string>

// Points for the player when this entity leaves its scene, however it leaves (destroyed,
// collected, removed by a script): they go to the PlayerScore of the entity named by "score" in
// the scene left. An entity that leaves, comes back and leaves again scores twice. A killer that
// removes the entity for nothing (it flew off the playing area) forfeits the points first.
class Scoreable : public Component, public RemovalReward {
public:
    static const std::string& typeName();

    Scoreable() = default;
    Scoreable(int points, const std::string& scoreEntity)
        : points(points), scoreEntity(scoreEntity) {}

    const std::string& getType() const override { return typeName(); }
    // "points" (int) and "score" (the entity with the PlayerScore) are required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new Scoreable(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void forfeit() override { points = 0; }
    int getPoints() const { return points; }

private:
    int points = 0;
    std::string scoreEntity;
};
