#pragma once

class AxisAlignedBox;

// Something that can report an axis-aligned box around itself. The reference stays valid as long
// as the implementing object does, and its value until the next call.
class Boundable {
public:
    virtual ~Boundable() = default;
    virtual const AxisAlignedBox& getBoundingBox() = 0;
};
