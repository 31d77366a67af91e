#pragma once

#include "core/FactoryEvent.h"

#include <boost/shared_ptr.hpp>

// Ends the running level or starts it again; level scripts and triggers send it to the scene.
// Registered as "LevelActionEvent".
class LevelActionEvent : public FactoryEvent {
public:
    enum class Action { EndLevel, ResetLevel };

    explicit LevelActionEvent(Action action = Action::EndLevel, double time = 0.0);

    const std::string& getType() const override;
    // "action" ("EndLevel" or "ResetLevel") is required; any other word raises "Invalid
    // parameter for action.". "time" is optional.
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    Action getAction() const { return action; }

private:
    Action action;
};

typedef boost::shared_ptr<LevelActionEvent> LevelActionEventPtr;
