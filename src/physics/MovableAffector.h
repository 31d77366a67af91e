#pragma once

#include <boost/shared_ptr.hpp>

class Movable;

// Something that acts on a movable every physics step (a force, a brake, a burst). Affectors are
// shared: a movable's set holds one reference, whoever made it may hold others. movable is the
// movable it last became attached to; it is cleared when that movable lets it go, so it never
// dangles. A shareable affector may act on several movables at once.
class MovableAffector {
public:
    explicit MovableAffector(bool shareable) : shareable(shareable) {}
    MovableAffector(const MovableAffector&) = delete;
    MovableAffector& operator=(const MovableAffector&) = delete;
    virtual ~MovableAffector() = default;

    // Acts on movable for the elapsed seconds; true when finished and to be removed.
    virtual bool update(Movable& movable, double seconds) = 0;
    // Called once when added to a movable.
    virtual void attached(Movable& /*movable*/) {}

    Movable* getMovable() const { return movable; }
    void setMovable(Movable* newMovable) { movable = newMovable; }
    bool isShareable() const { return shareable; }

private:
    Movable* movable = nullptr;
    bool shareable;
};

typedef boost::shared_ptr<MovableAffector> MovableAffectorPtr;
