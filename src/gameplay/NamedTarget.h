#pragma once

#include <string>

// What a Targetable shows of itself to components that only need to compare target names (an
// ExplodeOnCollision that blows up on one named target). Found on an entity through the
// component registry under "Targetable".
class NamedTarget {
public:
    virtual const std::string& getTargetName() const = 0;

protected:
    ~NamedTarget() = default;
};
