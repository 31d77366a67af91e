#include "app/MainLoop.h"

void MainLoop::run() {
    frameCounter = 0;
    fpsWindowStart = runStart = hooks.ticks();
    std::uint32_t beforeTime = hooks.ticks();
    overTime = 0;
    lag = 0;
    framesWithoutSleep = 0;
    stats.clear();

    while (hooks.keepRunning()) {
        FrameStart start = hooks.prepareFrame();
        if (start == FrameStart::Leave)
            break;
        // Loading a screen can take long; it must not count as lag.
        if (start == FrameStart::ScreenChanged)
            beforeTime = hooks.ticks();

        if (++frameCounter % fpsReportInterval == 0) {
            std::uint32_t now = hooks.ticks();
            std::uint32_t elapsed = now - fpsWindowStart;
            fpsWindowStart = now;
            if (elapsed > 0)
                hooks.reportFps(fpsReportInterval / (elapsed / 1000.0));
        }

        hooks.step(stepSeconds);
        hooks.draw();

        std::uint32_t afterTime = hooks.ticks();
        std::int32_t timeDiff = static_cast<std::int32_t>(afterTime - beforeTime);
        std::int32_t sleepTime = static_cast<std::int32_t>(framePeriodMs - timeDiff - overTime);
        stats.addTimeDiff(timeDiff);
        stats.addSleepTime(sleepTime);
        pace(afterTime, sleepTime);

        beforeTime = hooks.ticks();
        stats.addEntityCount(hooks.entityCount());

        for (int extra = 0; lag > framePeriodMs && extra < maxCatchUpSteps; ++extra) {
            lag -= framePeriodMs;
            hooks.step(stepSeconds);
        }
    }
}

void MainLoop::pace(std::uint32_t afterTime, std::int32_t sleepTime) {
    if (sleepTime > 0) {
        auto sinceAfter = [&] { return static_cast<std::int64_t>(hooks.ticks() - afterTime); };
        if (sleepTime > 1) {
            while (sinceAfter() < sleepTime - 1)
                hooks.delay(1);
        } else {
            hooks.delay(1);
        }
        // The last millisecond is spun for accuracy.
        while (sinceAfter() < sleepTime) {
        }
        overTime = static_cast<std::int64_t>(hooks.ticks()) - sleepTime - afterTime;
        stats.addOverTime(static_cast<std::int32_t>(overTime != 0 ? overTime : lag));
        return;
    }
    lag -= sleepTime;
    ++framesWithoutSleep;
    overTime = 0;
    if (framesWithoutSleep >= 4)
        hooks.delay(1);
    stats.addOverTime(static_cast<std::int32_t>(lag));
}
