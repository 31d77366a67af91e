#pragma once

#include "world/Component.h"

#include <iosfwd>

// An infinite straight line through the world position of its entity's node, parallel to one
// axis: an x line is horizontal, a y line vertical. The physics manager reports entities with a
// collidable whose origin crosses it.
class CollidableLine : public Component {
public:
    enum Axis { x = 0, y = 1 };

    static const std::string& typeName();

    explicit CollidableLine(Axis axis = x) : axis(axis) {}

    const std::string& getType() const override { return typeName(); }
    // "axis" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new CollidableLine(axis); }

    Axis getAxis() const { return axis; }

private:
    Axis axis;
};

// Text whose first character is x or X, or y or Y; anything else fails the stream.
std::istream& operator>>(std::istream& in, CollidableLine::Axis& axis);
