#include "gameplay/PlayerScore.h"

#include "gameplay/ScoreableEvent.h"
#include "presentation/TextDisplay.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

#include <algorithm>
#include <cstdint>
#include <limits>

const std::string& PlayerScore::typeName() {
    static const std::string type = "PlayerScore";
    return type;
}

Component* PlayerScore::createNew(const ParamList&) const {
    return new PlayerScore();
}

void PlayerScore::setScore(int value) {
    if (value == score)
        return;
    score = value;
    auto* display = getSibling<TextDisplay>("DynamicTextDisplay");
    if (!display)
        return;
    display->setText(std::to_string(score));
    Entity* entity = getEntity();
    EventPtr event(new ScoreableEvent(score, entity->getName()));
    entity->sendEvent(event);
    if (SceneManager* scene = entity->getSceneManager())
        scene->sendEvent(event);
}

void PlayerScore::addPoints(int points) {
    const std::int64_t sum = std::int64_t(score) + points;
    setScore(static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                       std::numeric_limits<int>::max())));
}
