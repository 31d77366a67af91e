#pragma once

#include "core/Vector2.h"
#include "physics/OrientedBox.h"
#include "world/Component.h"

// Defines the part of the world a RenderManager shows: a rectangle of the given dimensions
// centred on the entity, scaled by its world scale but never turned. Registered as "Camera";
// the camera's name in a RenderManager is its entity's name.
class Camera : public Component {
public:
    static const std::string& typeName();

    explicit Camera(const Vector2& dimensions = Vector2()) : dimensions(dimensions) {}
    // "dimensions" (a Vector2, required).
    static Vector2 dimensionsFrom(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new Camera(*this); }

    const Vector2& getDimensions() const { return dimensions; }
    void setDimensions(const Vector2& value) { dimensions = value; }

    // Axis-aligned, with orientation (1, 0). Without an entity node it is centred on the origin.
    OrientedBox getViewRect() const;
    // The world point under a window pixel (x right, y down from the top-left). A camera without
    // an entity answers (0, 0). Needs the VideoManager for the window size.
    Vector2 screenToWorld(unsigned x, unsigned y) const;

protected:
    Camera(const Camera& other) = default;

private:
    Vector2 dimensions;
};
