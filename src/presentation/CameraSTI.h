#pragma once

#include "presentation/BoxSceneTemplateInstantiator.h"

// Spawns around what a camera sees: the view rectangle of the camera on the entity named
// "camera" in the same scene (as BoxSceneTemplateInstantiator for "side" and "seed").
class CameraSTI : public BoxSceneTemplateInstantiator {
public:
    static const std::string& typeName();

    CameraSTI() = default;
    explicit CameraSTI(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new CameraSTI(*this); }

    const std::string& getCameraName() const { return cameraName; }

protected:
    bool findBox(AxisAlignedBox& box) const override;

private:
    CameraSTI(const CameraSTI& other) = default;

    std::string cameraName;
};
