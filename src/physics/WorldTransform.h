#pragma once

#include "core/Vector2.h"

#include <array>

class SceneNode;

// The world placement of a scene node, as bounds need it. Kept apart from SceneNode so that the
// bound maths can be exercised and reused without building a scene graph.
struct WorldTransform {
    // Row-major 3x3, row-vector convention: x' = m0 x + m3 y + m6, y' = m1 x + m4 y + m7.
    std::array<double, 9> matrix{{1, 0, 0, 0, 1, 0, 0, 0, 1}};
    Vector2 position{0, 0};
    Vector2 orientation{1, 0};
    Vector2 scale{1, 1};

    // A top-level frame: the matrix is built the way a parentless node builds it.
    static WorldTransform fromParts(const Vector2& position, const Vector2& orientation,
                                    const Vector2& scale);
    // Brings the node's world caches up to date.
    static WorldTransform of(const SceneNode& node);

    Vector2 apply(const Vector2& point) const {
        return {matrix[0] * point.x + matrix[3] * point.y + matrix[6],
                matrix[1] * point.x + matrix[4] * point.y + matrix[7]};
    }
};
