#include "gameplay/ScalingPowerUp.h"

#include "core/ParamList.h"

const std::string& ScalingPowerUp::typeName() {
    static const std::string type = "ScalingPowerUp";
    return type;
}

Component* ScalingPowerUp::createNew(const ParamList& params) const {
    double amount = 0.0, time = 0.0;
    params.getRequired("amount", amount, typeName());
    params.getRequired("time", time, typeName());
    return new ScalingPowerUp(amount, time);
}
