#pragma once

#include "gameplay/TargetFollower.h"

// Keeps its speed and steers by its rotational velocity so that its TargetSeeker's target lies
// at a bearing that depends on the distance: nearly ahead from afar, abeam at middle range,
// behind when closer than minDistance. It approaches, circles, and turns away when too close.
class StaticSpeedTargetAvoider : public TargetFollower {
public:
    static const std::string& typeName();

    StaticSpeedTargetAvoider(double turnSpeed = 0.0, double turnAccel = 0.0,
                             double minDistance = 0.0, double maxDistance = 0.0)
        : turnSpeed(turnSpeed), turnAccel(turnAccel), minDistance(minDistance),
          maxDistance(maxDistance) {}

    const std::string& getType() const override { return typeName(); }
    // "turnSpeed", "turnAccel", "minDistance" and "maxDistance" are required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override {
        return new StaticSpeedTargetAvoider(turnSpeed, turnAccel, minDistance, maxDistance);
    }

    void updateProcess(double seconds) override;

private:
    double turnSpeed;
    double turnAccel;
    double minDistance;
    double maxDistance;
};
