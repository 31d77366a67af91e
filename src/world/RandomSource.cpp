#include "world/RandomSource.h"

#include "core/ParamList.h"

#include <SDL/SDL_timer.h>

RandomSource RandomSource::fromParams(const ParamList& params) {
    long long seed = SDL_GetTicks();
    params.get("seed", seed);
    return RandomSource(static_cast<std::uint32_t>(seed));
}
