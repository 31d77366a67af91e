#include "gameplay/DamagedByWithExceptions.h"

#include "core/ParamList.h"
#include "world/Entity.h"

const std::string& DamagedByWithExceptions::typeName() {
    static const std::string type = "DamagedByWithExceptions";
    return type;
}

DamagedByWithExceptions* DamagedByWithExceptions::fromParams(const ParamList& params) {
    auto* made = new DamagedByWithExceptions();
    made->readParams(params);
    made->readExceptions(params);
    return made;
}

void DamagedByWithExceptions::readExceptions(const ParamList& params) {
    for (int index = 0;; ++index) {
        const std::string& name = params.getText("exception" + std::to_string(index));
        if (name.empty())
            return;
        exceptions.insert(name);
    }
}

void DamagedByWithExceptions::collisionStarted(const CollidableEventPtr& event) {
    Entity* other = event->getOther(getEntity());
    if (other && !isException(other->getName()))
        takeDamageFrom(other);
}
