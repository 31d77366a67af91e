#include "gameplay/Scoreable.h"

#include "core/ParamList.h"
#include "gameplay/PlayerScore.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

const std::string& Scoreable::typeName() {
    static const std::string type = "Scoreable";
    return type;
}

Component* Scoreable::createNew(const ParamList& params) const {
    int points = 0;
    std::string scoreEntity;
    params.getRequired("points", points, typeName());
    params.getRequired("score", scoreEntity, typeName());
    return new Scoreable(points, scoreEntity);
}

void Scoreable::managerChanged(SceneManager*, SceneManager* oldManager) {
    if (!oldManager)
        return;
    Entity* holder = oldManager->findEntity(scoreEntity);
    if (auto* score = holder ? holder->getComponent<PlayerScore>(PlayerScore::typeName()) : nullptr)
        score->addPoints(points);
}
