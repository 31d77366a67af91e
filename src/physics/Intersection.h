#pragma once

#include "core/Vector2.h"

class AxisAlignedBox;
class Bound;

// True when the two shapes overlap. Strict: shapes that only touch do not intersect, and a
// circle of radius 0 meets no box. Raises for a bound type it does not know.
bool intersect(const Bound& a, const Bound& b);

// Strict on all four sides.
bool containsPoint(const Vector2& point, const AxisAlignedBox& box);
