#include "physics/TranslationalDecellerator.h"

#include "physics/Movable.h"

bool TranslationalDecellerator::update(Movable& movable, double seconds) {
    if (!(movable.getMass() > 0.0))
        return false;
    const Vector2 velocity = movable.getVelocity();
    const double speedSquared = velocity.lengthSquared();
    const double braking = deceleration * seconds / movable.getMass();
    if (braking * braking > speedSquared || speedSquared == 0.0) {
        movable.setVelocity(Vector2(0, 0));
    } else {
        const double speed = velocity.length();
        movable.setVelocity(velocity / speed * (speed - braking));
    }
    movable.setRelativeToOrientation(false);
    return false;
}
