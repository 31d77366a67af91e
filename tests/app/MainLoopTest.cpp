#include "app/MainLoop.h"

#include <gtest/gtest.h>

namespace {
// A clock that only moves when the loop sleeps or when a frame's work is charged to it.
struct FakeClock {
    std::uint32_t now = 1000;
    std::uint32_t ticks() { return now; }
    // Spinning reads the clock; let each read take a moment so the spin ends.
    std::uint32_t spinningTicks() { return now++; }
};

struct LoopRig {
    FakeClock clock;
    int frames = 0;
    int frameLimit = 1;
    int steps = 0;
    std::vector<std::uint32_t> frameCosts; // ms charged to each drawn frame
    std::vector<double> fpsReports;

    MainLoop makeLoop() {
        MainLoop::Hooks hooks;
        hooks.ticks = [this] { return clock.spinningTicks(); };
        hooks.delay = [this](std::uint32_t ms) { clock.now += ms; };
        hooks.keepRunning = [this] { return frames < frameLimit; };
        hooks.prepareFrame = [] { return MainLoop::FrameStart::Continue; };
        hooks.step = [this](double seconds) {
            EXPECT_DOUBLE_EQ(0.016, seconds);
            ++steps;
        };
        hooks.draw = [this] {
            std::uint32_t cost = frames < (int)frameCosts.size() ? frameCosts[frames] : 5;
            clock.now += cost;
            ++frames;
        };
        hooks.entityCount = [] { return 3u; };
        hooks.reportFps = [this](double fps) { fpsReports.push_back(fps); };
        return MainLoop(hooks);
    }
};
} // namespace

// A frame slower than 16 ms adds its shortfall to the lag and is caught up by extra steps, at
// most five a frame. The fake clock's reads cost a millisecond each.
TEST(MainLoop, StepsCatchUpWithSlowFramesAtMostFiveExtraPerFrame) {
    struct Case {
        int frames;
        std::vector<std::uint32_t> costs;
        int steps;
        int lagAtLeast, lagAtMost;
    } cases[] = {
        {10, {}, 10, -100000, 100000}, {1, {40}, 2, 8, 10}, {2, {1016, 5}, 12, 17, 100000}};
    for (const Case& test : cases) {
        LoopRig rig;
        rig.frameLimit = test.frames;
        rig.frameCosts = test.costs;
        MainLoop loop = rig.makeLoop();
        loop.run();
        EXPECT_EQ(test.steps, rig.steps) << test.frames;
        EXPECT_GE(loop.getLag(), test.lagAtLeast) << test.frames;
        EXPECT_LE(loop.getLag(), test.lagAtMost) << test.frames;
        EXPECT_NE(std::string::npos, loop.getStats().report().find(" num entities: 3\n"));
    }
}

TEST(MainLoop, ReportsFramesPerSecondEvery400Frames) {
    LoopRig rig;
    rig.frameLimit = 801;
    MainLoop loop = rig.makeLoop();
    loop.run();
    ASSERT_EQ(2u, rig.fpsReports.size());
    EXPECT_NEAR(62.5, rig.fpsReports[0], 5.0);
}

TEST(MainLoop, LeavesBeforeTheFirstStepWhenNoScreenCanBeBuilt) {
    LoopRig rig;
    MainLoop::Hooks leaving;
    leaving.ticks = [&] { return rig.clock.ticks(); };
    leaving.keepRunning = [] { return true; };
    leaving.prepareFrame = [] { return MainLoop::FrameStart::Leave; };
    MainLoop empty(leaving);
    empty.run();
    EXPECT_EQ(0u, empty.getStats().frameCount());
}

TEST(FrameStats, KeepsOnlyTheMostRecentFramesButCountsThemAll) {
    FrameStats stats(2);
    for (int frame = 0; frame < 5; ++frame) {
        stats.addTimeDiff(frame);
        stats.addSleepTime(16 - frame);
        stats.addOverTime(0);
        stats.addEntityCount(frame);
    }
    EXPECT_EQ(5u, stats.frameCount());
    EXPECT_EQ(2u, stats.keptFrames());
    EXPECT_EQ("timeDiff:3 sleepTime:13 overTime:0 num entities: 3\n"
              "timeDiff:4 sleepTime:12 overTime:0 num entities: 4\n",
              stats.report());
}
