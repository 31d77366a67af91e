#pragma once

// What an entity leaving its scene is worth (a score's points, a counter's count). A component
// that removes an entity without reward finds these on the entity and forfeits them first.
class RemovalReward {
public:
    virtual void forfeit() = 0;

protected:
    ~RemovalReward() = default;
};
