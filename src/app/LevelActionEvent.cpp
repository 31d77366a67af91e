#include "app/LevelActionEvent.h"

#include "core/Event.h"
#include "core/ParamList.h"
#include "core/myexception.h"

LevelActionEvent::LevelActionEvent(Action action, double time)
    : FactoryEvent(EventType::LevelAction, time), action(action) {}

const std::string& LevelActionEvent::getType() const {
    static const std::string type = "LevelActionEvent";
    return type;
}

FactoryEvent* LevelActionEvent::createNew(const ParamList& params) const {
    std::string word;
    params.getRequired("action", word, getType());
    Action newAction;
    if (word == "EndLevel")
        newAction = Action::EndLevel;
    else if (word == "ResetLevel")
        newAction = Action::ResetLevel;
    else
        throw myexception("Invalid parameter for action.");
    return new LevelActionEvent(newAction, timeFrom(params));
}

FactoryEvent* LevelActionEvent::clone(double time) const {
    auto* copy = new LevelActionEvent(*this);
    copy->setTime(time);
    return copy;
}
