#pragma once

#include "app/InputAction.h"
#include "world/RandomSource.h"

#include <cstdint>
#include <vector>

// A bot that plays at random: it holds and releases the flying keys of both control schemes
// (thrust, turning, brake, shoot, shield) for random spans and now and then pings at a random
// point of the window. It never pauses, leaves or skips a level. The same seed and window give
// the same inputs, step for step, on every platform.
class RandomPilot {
public:
    RandomPilot(std::uint32_t seed, int windowWidth, int windowHeight);

    // The inputs of the next step.
    std::vector<InputAction> nextStep();

private:
    struct HeldKey {
        int key;
        bool down = false;
        unsigned stepsLeft = 0; // until the key changes
    };

    unsigned randomSpan(unsigned fewest, unsigned most);

    RandomSource random;
    int windowWidth, windowHeight;
    std::vector<HeldKey> keys;
};
