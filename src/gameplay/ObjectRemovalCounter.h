#pragma once

#include "gameplay/CountableObjectRemovalListener.h"
#include "world/Component.h"

#include <string>

// Counts the countable objects of one kind that leave its entity's scene while it is there. The
// kind is compared exactly, letter case included. The count only grows, and stops at the largest
// int rather than wrapping. The level's results read "Enemy" and "PowerUp" counters.
class ObjectRemovalCounter : public Component, public CountableObjectRemovalListener {
public:
    static const std::string& typeName();

    explicit ObjectRemovalCounter(const std::string& objectType = std::string(),
                                  int startingCount = 0)
        : objectType(objectType), count(startingCount) {}

    const std::string& getType() const override { return typeName(); }
    // "type" is required, "startingCount" defaults to 0.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new ObjectRemovalCounter(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void objectRemoved(const CountableObjectRemovalEventPtr& event) override;

    const std::string& getObjectType() const { return objectType; }
    int getCount() const { return count; }

private:
    std::string objectType;
    int count;
};
