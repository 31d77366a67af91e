#include "gameplay/BulletShooterActionEvent.h"

const std::string& BulletShooterActionEvent::typeName() {
    static const std::string type = "BulletShooterAction";
    return type;
}

FactoryEvent* BulletShooterActionEvent::createNew(const ParamList& params) const {
    return new BulletShooterActionEvent(timeFrom(params));
}
