#pragma once

#include "physics/MovableAffector.h"

// Brakes a movable: its speed drops by deceleration x seconds / mass each step, down to rest,
// keeping its direction. Never finishes; shareable.
class TranslationalDecellerator : public MovableAffector {
public:
    explicit TranslationalDecellerator(double deceleration)
        : MovableAffector(true), deceleration(deceleration) {}

    // Leaves a movable without a positive mass unchanged, and one at rest at rest.
    bool update(Movable& movable, double seconds) override;

    double getDeceleration() const { return deceleration; }

private:
    double deceleration;
};
