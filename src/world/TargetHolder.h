#pragma once

class Entity;

// A component that chases or aims at one entity at a time. Others (a following camera, a gun)
// find it on their entity through the component registry and ask whom it holds.
class TargetHolder {
public:
    // Null when it holds nobody. The entity is valid until it leaves its scene; the holder drops
    // it then.
    virtual Entity* getTarget() const = 0;

protected:
    ~TargetHolder() = default;
};
