#include "gameplay/DamageableActionEvent.h"

#include "core/ParamList.h"

#include <istream>

namespace {
const char* const actionNames[] = {"SetHP", "ChangeHP", "RestoreHP", "ScaleHP"};
}

const std::string& DamageableActionEvent::typeName() {
    static const std::string type = "DamageableAction";
    return type;
}

FactoryEvent* DamageableActionEvent::createNew(const ParamList& params) const {
    Action action = RestoreHP;
    params.getRequired("action", action, typeName());
    int hp = 0;
    double real = 0.0;
    if (action == SetHP || action == ChangeHP)
        params.getRequired("hp", hp, typeName());
    else if (action == ScaleHP)
        params.getRequired("real", real, typeName());
    return new DamageableActionEvent(action, hp, real, timeFrom(params));
}

std::istream& operator>>(std::istream& in, DamageableActionEvent::Action& action) {
    std::string word;
    if (!(in >> word))
        return in;
    for (int index = 0; index < 4; ++index) {
        if (word == actionNames[index]) {
            action = static_cast<DamageableActionEvent::Action>(index);
            return in;
        }
    }
    in.setstate(std::ios::failbit);
    return in;
}
