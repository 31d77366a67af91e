#include "core/MasterProcessManager.h"
#include "core/myexception.h"
#include "support/RecordingProcess.h"

#include <gtest/gtest.h>

namespace {
constexpr double step = 0.016;
}

// A child calling its manager's update again from inside the pass changes nothing.
TEST(ProcessManager, UpdatesChildrenInInsertionOrderOncePerPass) {
    std::vector<std::string> journal;
    ProcessManager manager;
    RecordingProcess first, second, interval;
    first.onUpdate = [&] { journal.push_back("first"); };
    second.onUpdate = [&] {
        journal.push_back("second");
        manager.updateProcess(1.0);
    };
    interval.setUpdateInterval(2);
    for (RecordingProcess* process : {&first, &second, &first, &interval})
        manager.addProcess(process);
    for (int pass = 0; pass < 3; ++pass)
        manager.updateProcess(step);
    EXPECT_EQ((std::vector<std::string>{"first", "second", "first", "second", "first", "second"}),
              journal);
    EXPECT_NEAR(3 * step, manager.getTotalTime(), 1e-12);
    ASSERT_EQ(2u, interval.updates.size());
    EXPECT_NEAR(2 * step, interval.updates[1], 1e-12);
}

// Stand-alone processes are deleted when reaped or with their manager.
TEST(ProcessManager, KilledProcessIsStillUpdatedLaterInSamePassThenDetached) {
    int destroyed = 0;
    RecordingProcess killer, victim, late;
    {
        ProcessManager manager;
        auto* dying = new RecordingProcess(true);
        auto* lasting = new RecordingProcess(true);
        killer.onUpdate = [&] {
            victim.kill();
            dying->kill();
            manager.addProcess(&late);
        };
        dying->onDestroy = lasting->onDestroy = [&] { ++destroyed; };
        for (RecordingProcess* process : {&killer, &victim, dying, lasting})
            manager.addProcess(process);
        manager.updateProcess(step);
        EXPECT_EQ(1, destroyed);
        EXPECT_EQ(1u, victim.updates.size() * late.updates.size());
        EXPECT_EQ(1, victim.removals);
        EXPECT_EQ(nullptr, victim.getManager());
        EXPECT_FALSE(victim.isKilled());
    }
    EXPECT_EQ(2, destroyed);
    EXPECT_EQ(nullptr, late.getManager());
}

// A child destroyed at each moment (last, before a throw out of the tree) leaves no slot behind.
TEST(ProcessManager, ChildDestroyedByAnotherLeavesNoSlot) {
    enum Moment { DuringPass, WhileReaping, OutsideAPass, BeforeThrowing };
    for (Moment moment : {DuringPass, WhileReaping, OutsideAPass, BeforeThrowing}) {
        SCOPED_TRACE(moment);
        MasterProcessManager root;
        ProcessManager manager;
        RecordingProcess destroyer, after;
        auto* victim = new RecordingProcess;
        auto destroy = [&] {
            delete victim;
            victim = nullptr;
        };
        destroyer.onUpdate = [&] {
            if (moment == WhileReaping)
                destroyer.kill();
            if ((moment == DuringPass || moment == BeforeThrowing) && victim) {
                destroy();
                if (moment == BeforeThrowing)
                    throw myexception("bad data");
            }
        };
        if (moment == WhileReaping)
            destroyer.onRemoved = destroy;
        root.addProcess(&manager);
        for (RecordingProcess* process : {&destroyer, victim, &after})
            manager.addProcess(process);
        if (moment == OutsideAPass)
            destroy();
        if (moment == BeforeThrowing)
            EXPECT_THROW(root.updateProcess(step), myexception);
        else
            root.updateProcess(step);
        root.updateProcess(step);
        EXPECT_EQ(moment == BeforeThrowing ? 1u : 2u, after.updates.size());
        EXPECT_EQ(moment == WhileReaping ? 1u : 2u, manager.processCount());
    }
}

// The timed pause runs out exactly on its second tick; a paused subtree's clock stops.
TEST(ProcessManager, TimedPauseEndsOnTheTickThatUsesItUpAndIndefinitePauseWaits) {
    ProcessManager root, scene;
    RecordingProcess timed, indefinite;
    root.addProcess(&scene);
    scene.addProcess(&timed);
    scene.addProcess(&indefinite);
    timed.setPaused(true);
    timed.setPaused(true, 2 * step);
    indefinite.setPaused(true, 0.0);
    root.updateProcess(step);
    EXPECT_TRUE(timed.isPaused());
    root.updateProcess(step);
    EXPECT_EQ((std::vector<bool>{true, false}), timed.pauseChanges);
    EXPECT_EQ(1u, timed.updates.size());
    scene.setPaused(true);
    for (int tick = 0; tick < 10; ++tick)
        root.updateProcess(step);
    scene.setPaused(false);
    indefinite.setPaused(false);
    root.updateProcess(step);
    EXPECT_NEAR(3 * step, scene.getTotalTime(), 1e-12);
    EXPECT_EQ((std::vector<double>{step}), indefinite.updates);
    EXPECT_EQ(2u, timed.updates.size());
}
