#pragma once

#include "app/FrameStats.h"

#include <cstdint>
#include <functional>

// The fixed-step loop: one 0.016 s simulation step per 16 ms frame, sleeping off spare time in
// 1 ms slices, and up to five extra steps per frame to work off lag. The clock and the work are
// injected so the pacing can be exercised without real time.
class MainLoop {
public:
    static constexpr std::int32_t framePeriodMs = 16;
    static constexpr double stepSeconds = 0.016;
    static constexpr int maxCatchUpSteps = 5;
    static constexpr std::uint32_t fpsReportInterval = 400;

    enum class FrameStart { Leave, Continue, ScreenChanged };

    struct Hooks {
        std::function<std::uint32_t()> ticks;       // milliseconds
        std::function<void(std::uint32_t)> delay;   // milliseconds
        std::function<bool()> keepRunning;          // checked before and after each frame
        std::function<FrameStart()> prepareFrame;   // screen changes happen here
        std::function<void(double)> step;           // one simulation step
        std::function<void()> draw;                 // one drawn frame
        std::function<std::uint32_t()> entityCount; // entities in the current scene
        std::function<void(double)> reportFps;      // frames per second over the last window
    };

    explicit MainLoop(Hooks hooks) : hooks(std::move(hooks)) {}

    // Runs frames until keepRunning or prepareFrame says stop.
    void run();

    const FrameStats& getStats() const { return stats; }
    std::uint32_t getRunStart() const { return runStart; }
    std::int64_t getLag() const { return lag; }
    std::uint64_t getFrameCount() const { return frameCounter; }

private:
    void pace(std::uint32_t afterTime, std::int32_t sleepTime);

    Hooks hooks;
    FrameStats stats;
    std::uint64_t frameCounter = 0;
    std::uint32_t fpsWindowStart = 0;
    std::uint32_t runStart = 0;
    std::int64_t overTime = 0;
    std::int64_t lag = 0;
    std::uint64_t framesWithoutSleep = 0;
};
