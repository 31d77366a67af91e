#pragma once

#include <cstdint>
#include <string_view>

class SceneManager;

// A fingerprint of a scene's state for comparing runs: for every entity, in order of name, its
// name, world position and orientation, velocity (Movable), hit points (Damageable) and score
// (PlayerScore), floats quantised first, all through 64-bit FNV-1a. Equal states give equal
// hashes whatever the order the scene holds its entities in; drawing and sound play no part.
class WorldHash {
public:
    static std::uint64_t of(const SceneManager& scene);

    // The number in multiples of 1e-6, so that noise below that does not count. NaN, and
    // magnitudes too large to count that way, map to values of their own.
    static std::int64_t quantise(double number);

    void add(std::string_view bytes);
    std::uint64_t value() const { return hash; }

private:
    std::uint64_t hash = 14695981039346656037ull;
};
