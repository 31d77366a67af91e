#pragma once

#include "core/Process.h"
#include "presentation/Camera.h"

#include <functional>

class Entity;

// A camera that keeps its entity on the entity chased by the same entity's "TargetSeeker", with
// no lag; without a target it stays put. It runs as a process of the scene its entity is in.
// Registered as "FollowingCamera", and under "Camera" as well.
class FollowingCamera : public Camera, public Process {
public:
    static const std::string& typeName();

    // Tells the camera whom a TargetSeeker component chases (null for nobody). Targeting is a
    // gameplay matter, so it installs this; until then following cameras stay where they are.
    typedef std::function<Entity*(Component& seeker)> TargetReader;
    static void setTargetReader(TargetReader reader);

    explicit FollowingCamera(const Vector2& dimensions = Vector2()) : Camera(dimensions) {}

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    // A copy starts outside any process list.
    Component* clone() const override { return new FollowingCamera(getDimensions()); }
    bool attach(Entity* entity) override;

    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    void updateProcess(double seconds) override;
    bool deleteWhenKilled() const override { return false; }

private:
    static TargetReader& targetReader();
};
