// What a score that changes every frame costs with each kind of text display.
// Run under xvfb-run (or on a desktop): the displays need a GL context.
#include "core/LogManager.h"
#include "presentation/DynamicTextDisplay.h"
#include "presentation/FontManager.h"
#include "presentation/StaticTextDisplay.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {
std::string sourceDirectory() {
    std::string file = __FILE__;
    return file.substr(0, file.rfind("/bench/"));
}
const std::string fontPath = sourceDirectory() + "/data/FreeMonoBold.ttf";

// One window for the whole run; it lives until the process ends.
bool haveFonts() {
    static bool ready = [] {
        static LogManager logs;
        // A busy X server refuses some connections; another try a moment later gets
        // through.
        for (int attempt = 0; SDL_InitSubSystem(SDL_INIT_VIDEO) < 0; ++attempt) {
            if (attempt == 50)
                return false;
            SDL_Delay(20);
        }
        new VideoManager(VideoMode{160, 120, 0, false});
        new TextureManager();
        new FontManager();
        return true;
    }();
    return ready;
}

void DynamicScoreEveryFrame(benchmark::State& state) {
    if (!haveFonts())
        return state.SkipWithError("no display");
    DynamicTextDisplay score(fontPath, 20, 1, "Score: 0");
    long points = 0;
    for (auto _ : state) {
        score.setText("Score: " + std::to_string(points += 10));
        benchmark::DoNotOptimize(score.renderOperation());
    }
}
BENCHMARK(DynamicScoreEveryFrame);

void StaticScoreEveryFrame(benchmark::State& state) {
    if (!haveFonts())
        return state.SkipWithError("no display");
    StaticTextDisplay score(fontPath, 20, 1, "Score: 0");
    long points = 0;
    for (auto _ : state) {
        score.setText("Score: " + std::to_string(points += 10));
        benchmark::DoNotOptimize(score.renderOperation());
        // The game frees unused textures only between levels; here they would pile
        // up by the gigabyte, so they go now and then, off the clock.
        if (points % 2560 == 0) {
            state.PauseTiming();
            TextureManager::getSingleton().unloadUnreferenced();
            TextureManager::getSingleton().removeUnreferenced();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(StaticScoreEveryFrame);
} // namespace
