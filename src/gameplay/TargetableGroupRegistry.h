#pragma once

#include "core/Vector2.h"

#include <string>

class SceneManager;
class TargetableGroup;

// Process-wide index of the TargetableGroup members of each scene, by group name. Empty groups
// and scenes without groups are dropped, so nothing is kept for a scene that has gone.
class TargetableGroupRegistry {
public:
    static void add(SceneManager* scene, const std::string& group, TargetableGroup* member);
    static void remove(SceneManager* scene, const std::string& group, TargetableGroup* member);
    // The member whose entity's node is nearest to the position (the earliest joined on a tie),
    // or null.
    static TargetableGroup* nearest(SceneManager* scene, const std::string& group,
                                    const Vector2& position);
    static std::size_t memberCount(SceneManager* scene, const std::string& group);
    static std::size_t sceneCount();
};
