#include "app/RandomPilot.h"

#include <SDL/SDL_keysym.h>

#include <cmath>

namespace {
// About one ping a second at 0.016 s a step.
constexpr double pingChance = 1.0 / 60.0;
// Held for 0.1 to 1.5 s, let go for 0.1 to 2 s.
constexpr unsigned shortestSpan = 6, longestHold = 94, longestRest = 125;
} // namespace

RandomPilot::RandomPilot(std::uint32_t seed, int windowWidth, int windowHeight)
    : random(seed), windowWidth(windowWidth), windowHeight(windowHeight) {
    for (int key : {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_LCTRL, SDLK_LSHIFT})
        keys.push_back(HeldKey{key});
    for (HeldKey& held : keys)
        held.stepsLeft = randomSpan(0, longestRest);
}

unsigned RandomPilot::randomSpan(unsigned fewest, unsigned most) {
    return fewest + static_cast<unsigned>(std::floor(random.draw() * (most - fewest + 1)));
}

std::vector<InputAction> RandomPilot::nextStep() {
    std::vector<InputAction> inputs;
    for (HeldKey& held : keys) {
        if (held.stepsLeft > 0) {
            --held.stepsLeft;
            continue;
        }
        held.down = !held.down;
        inputs.push_back(held.down ? InputAction::keyDown(held.key) : InputAction::keyUp(held.key));
        held.stepsLeft = randomSpan(shortestSpan, held.down ? longestHold : longestRest);
    }
    if (random.draw() < pingChance) {
        int x = static_cast<int>(std::floor(random.draw() * windowWidth));
        int y = static_cast<int>(std::floor(random.draw() * windowHeight));
        inputs.push_back(InputAction::click(x, y));
    }
    return inputs;
}
