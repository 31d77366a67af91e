#pragma once

#include <boost/random/linear_congruential.hpp>
#include <boost/random/uniform_real_distribution.hpp>

#include <cstdint>

class ParamList;

// Uniform numbers in [0, 1) for the spawner components: a 48-bit linear congruential engine and
// one engine call per number, so a seed gives the same sequence on every platform. The owner
// restarts it each time its entity enters a scene, which makes a seed replay the same spawns in
// every scene. A copy carries on from the original's state.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : seed(seed), engine(seed) {}
    // "seed" (an integer, taken modulo 2^32). Missing or unreadable, the fallback seed: the
    // milliseconds since SDL started, so that data without a seed spawns differently from one
    // run to the next, unless a tool fixed it.
    static RandomSource fromParams(const ParamList& params);
    // Makes every later fromParams without a seed use this one. Only for tools that must repeat
    // a run exactly (replays, soaks); the game never calls it. Holds for the rest of the process.
    static void fixFallbackSeed(std::uint32_t seed);

    void restart() { engine.seed(seed); }
    double draw() { return uniform(engine); }
    std::uint32_t getSeed() const { return seed; }

private:
    std::uint32_t seed;
    boost::random::rand48 engine;
    boost::random::uniform_real_distribution<double> uniform{0.0, 1.0};
};
