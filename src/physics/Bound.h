#pragma once

#include "core/FactoryObject.h"
#include "core/Vector2.h"

#include <cstdint>
#include <memory>
#include <string>

class AxisAlignedBox;
class SceneNode;
struct WorldTransform;

enum class BoundType : std::uint8_t { AxisAlignedBox = 0, Circle = 1, OrientedBox = 2 };

// A 2D collision shape. Shapes are values: copy with clone or assign, never share.
class Bound : public FactoryObject<Bound> {
public:
    virtual BoundType getBoundType() const = 0;
    virtual void translate(const Vector2& offset) = 0;
    // direction need not be unit length; a zero direction leaves the shape unturned.
    virtual void rotate(const Vector2& direction) = 0;
    virtual void scale(const Vector2& factor) = 0;
    // Maps the shape from the frame of an entity into world space.
    virtual void transform(const WorldTransform& frame) = 0;
    // The node's world caches are brought up to date first.
    void transform(const SceneNode& node);
    virtual bool isAxisAligned() const = 0;
    virtual AxisAlignedBox getBoundingBox() const = 0;
    // Encloses the bounding box both where it is and moved by offset.
    virtual AxisAlignedBox getSweptBox(const Vector2& offset) const = 0;
    // Copies other's values when it is the same kind of bound; otherwise nothing.
    virtual void assign(const Bound& other) = 0;
    // Re-reads the shape's values into this bound.
    virtual void load(const ParamList& params) = 0;
};

// A new empty bound for a shape name or alias, or null for an unknown name.
std::unique_ptr<Bound> createBoundByName(const std::string& name);
