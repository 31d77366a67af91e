#include "world/RandomSource.h"

#include "core/ParamList.h"

#include <SDL/SDL_timer.h>

#include <optional>

namespace {
std::optional<std::uint32_t> fixedFallbackSeed;
}

void RandomSource::fixFallbackSeed(std::uint32_t seed) {
    fixedFallbackSeed = seed;
}

RandomSource RandomSource::fromParams(const ParamList& params) {
    long long seed = fixedFallbackSeed ? *fixedFallbackSeed : SDL_GetTicks();
    params.get("seed", seed);
    return RandomSource(static_cast<std::uint32_t>(seed));
}
