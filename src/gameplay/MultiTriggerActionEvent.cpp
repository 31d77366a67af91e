#include "gameplay/MultiTriggerActionEvent.h"

const std::string& MultiTriggerActionEvent::typeName() {
    static const std::string type = "MultiTriggerAction";
    return type;
}

FactoryEvent* MultiTriggerActionEvent::createNew(const ParamList& params) const {
    return new MultiTriggerActionEvent(timeFrom(params));
}
