#pragma once

#include "core/EventListener.h"
#include "world/Component.h"
#include "world/TargetHolder.h"

#include <memory>

// Holds as its target the latest entity of its scene to arrive with a Targetable of the same
// name, and none once any Targetable of that name leaves. Others (steering, guns, a following
// camera) find it as "TargetSeeker" and ask getTarget.
class TargetSeeker : public Component, public TargetHolder {
public:
    // Hears the scene's TargetableEvents.
    class Listener : public EventListener {
    public:
        explicit Listener(TargetSeeker& owner);
        void handleEvent(const EventPtr& event) override;

    private:
        TargetSeeker& owner;
    };

    static const std::string& typeName();

    explicit TargetSeeker(const std::string& name = std::string());
    TargetSeeker(const TargetSeeker& other);
    ~TargetSeeker() override;

    const std::string& getType() const override { return typeName(); }
    // "name" is optional (empty).
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new TargetSeeker(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    // Valid until it leaves the scene: the seeker hears of that and drops it first.
    Entity* getTarget() const override { return target; }
    const std::string& getName() const { return name; }

private:
    std::string name;
    Entity* target = nullptr;
    std::unique_ptr<Listener> listener;
};
