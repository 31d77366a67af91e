#pragma once

#include "world/Component.h"
#include "world/SceneProcess.h"

#include <string>

// The running level clock: each tick it writes the time of its scene (which stops while the scene
// is paused) into its entity's DynamicTextDisplay. While its entity is in a scene it is one of
// that scene's processes.
class TimerDisplayUpdater : public Component, public SceneProcess {
public:
    static const std::string& typeName();

    TimerDisplayUpdater() = default;
    TimerDisplayUpdater(const TimerDisplayUpdater& other) : Component(other), SceneProcess() {}

    const std::string& getType() const override { return typeName(); }
    // Takes no parameters.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new TimerDisplayUpdater(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void updateProcess(double seconds) override;

    // Seconds with two decimals, led by minutes from one minute on and by hours from one hour
    // on: "7.25", "1:05.50", "1:02:05.00". The seconds are rounded only when printed, so 59.999
    // reads "60.00".
    static std::string clockText(double seconds);
};
