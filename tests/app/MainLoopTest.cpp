#include "app/MainLoop.h"

#include <gtest/gtest.h>

namespace {
// Moves when the loop sleeps, by a frame's charged work, or 1 ms per read (so a spin ends).
struct LoopRig {
    std::uint32_t now = 1000;
    int frames = 0, frameLimit = 1, steps = 0;
    std::vector<std::uint32_t> frameCosts; // ms charged to each drawn frame (5 by default)
    std::vector<double> fpsReports;
    MainLoop::FrameStart start = MainLoop::FrameStart::Continue;

    MainLoop makeLoop() {
        MainLoop::Hooks hooks;
        hooks.ticks = [this] { return now++; };
        hooks.delay = [this](std::uint32_t ms) { now += ms; };
        hooks.keepRunning = [this] { return frames < frameLimit; };
        hooks.prepareFrame = [this] { return start; };
        hooks.step = [this](double seconds) {
            EXPECT_DOUBLE_EQ(0.016, seconds);
            ++steps;
        };
        hooks.draw = [this] {
            now += frames < (int)frameCosts.size() ? frameCosts[frames] : 5;
            ++frames;
        };
        hooks.entityCount = [] { return 3u; };
        hooks.reportFps = [this](double fps) { fpsReports.push_back(fps); };
        return MainLoop(hooks);
    }
};
} // namespace

// Lag from slow frames is caught up by at most five extra steps a frame; fps every 400 frames.
TEST(MainLoop, StepsCatchUpWithSlowFramesAtMostFiveExtraPerFrame) {
    // frames, ms charged to each, steps, lag range
    const std::tuple<int, std::vector<std::uint32_t>, int, int, int> cases[] = {
        {801, {}, 801, -100000, 100000}, {1, {40}, 2, 8, 10}, {2, {1016, 5}, 12, 17, 100000}};
    for (const auto& [frames, costs, steps, lagAtLeast, lagAtMost] : cases) {
        LoopRig rig;
        rig.frameLimit = frames;
        rig.frameCosts = costs;
        MainLoop loop = rig.makeLoop();
        loop.run();
        EXPECT_EQ(steps, rig.steps) << frames;
        EXPECT_GE(loop.getLag(), lagAtLeast) << frames;
        EXPECT_LE(loop.getLag(), lagAtMost) << frames;
        EXPECT_NE(std::string::npos, loop.getStats().report().find(" num entities: 3\n"));
        EXPECT_EQ(std::size_t(frames / 400), rig.fpsReports.size());
        for (double fps : rig.fpsReports)
            EXPECT_NEAR(62.5, fps, 5.0);
    }
}

TEST(MainLoop, LeavesBeforeTheFirstStepWhenNoScreenCanBeBuilt) {
    LoopRig rig;
    rig.start = MainLoop::FrameStart::Leave;
    MainLoop loop = rig.makeLoop();
    loop.run();
    EXPECT_EQ(0, rig.steps + rig.frames);
    EXPECT_EQ(0u, loop.getStats().frameCount());
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
