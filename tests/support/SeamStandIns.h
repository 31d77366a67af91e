#pragma once

#include "physics/AxisAlignedBox.h"
#include "presentation/ScreenWrapSource.h"
#include "world/Component.h"
#include "world/TargetHolder.h"

#include <string>
// A "ScreenWrapper" answering a set area and a "TargetSeeker" holding a set target.
class WrapperStandIn : public Component, public ScreenWrapSource {
public:
    const std::string& getType() const override {
        static const std::string type = "ScreenWrapper";
        return type;
    }
    Component* createNew(const ParamList&) const override { return new WrapperStandIn; }
    Component* clone() const override { return new WrapperStandIn; }
    bool activeWrapArea(AxisAlignedBox& wrapArea) const override {
        if (active)
            wrapArea = area;
        return active;
    }

    bool active = false;
    AxisAlignedBox area;
};

class SeekerStandIn : public Component, public TargetHolder {
public:
    const std::string& getType() const override {
        static const std::string type = "TargetSeeker";
        return type;
    }
    Component* createNew(const ParamList&) const override { return new SeekerStandIn; }
    Component* clone() const override { return new SeekerStandIn; }
    Entity* getTarget() const override { return target; }

    Entity* target = nullptr;
};
