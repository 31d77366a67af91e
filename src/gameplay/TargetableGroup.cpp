#include "gameplay/TargetableGroup.h"

#include "core/ParamList.h"
#include "gameplay/TargetableGroupRegistry.h"

const std::string& TargetableGroup::typeName() {
    static const std::string type = "TargetableGroup";
    return type;
}

TargetableGroup::~TargetableGroup() {
    if (memberOf)
        TargetableGroupRegistry::remove(memberOf, group, this);
}

Component* TargetableGroup::createNew(const ParamList& params) const {
    return new TargetableGroup(params.getText("group"));
}

void TargetableGroup::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager && memberOf) {
        TargetableGroupRegistry::remove(memberOf, group, this);
        memberOf = nullptr;
    }
    if (newManager) {
        TargetableGroupRegistry::add(newManager, group, this);
        memberOf = newManager;
    }
}
