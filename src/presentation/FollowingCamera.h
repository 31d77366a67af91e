#pragma once

#include "presentation/Camera.h"
#include "world/SceneProcess.h"

class Entity;

// A camera that keeps its entity on the entity held by the same entity's "TargetSeeker" (a
// TargetHolder), with no lag; without a target it stays put. It runs as a process of the scene
// its entity is in. Registered as "FollowingCamera", and under "Camera" as well.
class FollowingCamera : public Camera, public SceneProcess {
public:
    static const std::string& typeName();

    explicit FollowingCamera(const Vector2& dimensions = Vector2()) : Camera(dimensions) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    // A copy starts outside any process list.
    Component* clone() const override { return new FollowingCamera(getDimensions()); }
    bool attach(Entity* entity) override;

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    void updateProcess(double seconds) override;
};
