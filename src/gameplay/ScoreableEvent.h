#pragma once

#include "core/Event.h"

#include <string>

// The score held by the named entity's PlayerScore changed to a new value. Sent to that entity
// and to its scene; always stamped 0.0.
class ScoreableEvent : public Event {
public:
    ScoreableEvent(int score, const std::string& entityName)
        : Event(EventType::Scoreable, 0.0), score(score), entityName(entityName) {}

    int getScore() const { return score; }
    const std::string& getEntityName() const { return entityName; }

private:
    int score;
    std::string entityName;
};

typedef boost::shared_ptr<ScoreableEvent> ScoreableEventPtr;
