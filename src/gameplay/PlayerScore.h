#pragma once

#include "world/Component.h"

#include <string>

// The player's score. A change is shown on the entity's DynamicTextDisplay and announced with a
// ScoreableEvent to the entity and to its scene (score triggers listen there). Without a
// DynamicTextDisplay the score is only kept: nothing is shown and nothing announced.
class PlayerScore : public Component {
public:
    static const std::string& typeName();

    const std::string& getType() const override { return typeName(); }
    // Takes no parameters; starts at 0.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new PlayerScore(*this); }

    // Setting the current value again does nothing.
    void setScore(int value);
    // Sums in 64 bits and clamps to the int range, so no award can wrap the score round.
    void addPoints(int points);
    int getScore() const { return score; }

private:
    int score = 0;
};
