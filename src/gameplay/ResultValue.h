#pragma once

#include <cstdint>

// A number the level-results screen reads off a component it finds by type name (the removal
// counters' counts, the player's score), so the screen needs no knowledge of those classes.
class ResultValue {
public:
    virtual ~ResultValue() = default;
    virtual std::int32_t getResultValue() const = 0;
};
