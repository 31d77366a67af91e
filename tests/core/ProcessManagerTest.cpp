#include "core/MasterProcessManager.h"
#include "core/myexception.h"
#include "support/RecordingProcess.h"

#include <gtest/gtest.h>

namespace {
constexpr double step = 0.016;
}

// A child calling its manager's update again from inside the pass changes nothing; a process
// with an interval gets the sum of the ticks it skipped.
TEST(ProcessManager, UpdatesChildrenInInsertionOrderOncePerPass) {
    std::vector<std::string> journal;
    ProcessManager manager;
    RecordingProcess first(&journal, "first"), second(&journal, "second"), interval;
    second.onUpdate = [&] { manager.updateProcess(1.0); };
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

TEST(ProcessManager, KilledProcessIsStillUpdatedLaterInSamePassThenDetached) {
    ProcessManager manager;
    RecordingProcess killer, victim, late;
    killer.onUpdate = [&] {
        victim.kill();
        manager.addProcess(&late);
    };
    manager.addProcess(&killer);
    manager.addProcess(&victim);
    manager.updateProcess(step);
    EXPECT_EQ(1u, victim.updates.size() * late.updates.size());
    EXPECT_EQ(1, victim.removals);
    EXPECT_EQ(nullptr, victim.getManager());
    EXPECT_FALSE(victim.isKilled()); // so it can be added again
}

TEST(ProcessManager, StandAloneProcessesAreDeletedWhenReapedOrWithTheirManager) {
    int destroyed = 0;
    RecordingProcess owned;
    {
        ProcessManager manager;
        auto* dying = new RecordingProcess(nullptr, "", true);
        dying->onDestroy = [&] { ++destroyed; };
        dying->onUpdate = [dying] { dying->kill(); };
        manager.addProcess(dying);
        manager.updateProcess(step);
        EXPECT_EQ(1, destroyed);
        EXPECT_EQ(0u, manager.processCount());
        auto* lasting = new RecordingProcess(nullptr, "", true);
        lasting->onDestroy = [&] { ++destroyed; };
        manager.addProcess(lasting);
        manager.addProcess(&owned);
    }
    EXPECT_EQ(2, destroyed);
    EXPECT_EQ(nullptr, owned.getManager());
}

// Each row destroys a child at a different moment; the manager must neither touch it again nor
// keep a slot for it.
TEST(ProcessManager, ChildDestroyedByAnotherLeavesNoSlot) {
    enum Moment { DuringPass, WhileReaping, OutsideAPass };
    for (Moment moment : {DuringPass, WhileReaping, OutsideAPass}) {
        SCOPED_TRACE(moment);
        ProcessManager manager;
        RecordingProcess destroyer, after;
        auto* victim = new RecordingProcess;
        auto destroy = [&] {
            delete victim;
            victim = nullptr;
        };
        if (moment == DuringPass)
            destroyer.onUpdate = destroy;
        if (moment == WhileReaping) {
            destroyer.onUpdate = [&] { destroyer.kill(); };
            destroyer.onRemoved = destroy;
        }
        manager.addProcess(&destroyer);
        manager.addProcess(victim);
        manager.addProcess(&after);
        if (moment == OutsideAPass)
            destroy();
        manager.updateProcess(step);
        EXPECT_EQ(1u, after.updates.size());
        EXPECT_EQ(moment == WhileReaping ? 1u : 2u, manager.processCount());
        manager.updateProcess(step);
        EXPECT_EQ(2u, after.updates.size());
    }
}

// Bad data met during play raises out of the process tree; the program catches it and must still
// be able to run on and shut down.
TEST(ProcessManager, ErrorThrownByAChildLeavesEveryManagerUsable) {
    auto master = std::make_unique<MasterProcessManager>();
    auto scene = std::make_unique<ProcessManager>();
    RecordingProcess destroyer, after;
    auto* victim = new RecordingProcess;
    bool fail = true;
    destroyer.onUpdate = [&] {
        delete victim;
        victim = nullptr;
        if (fail)
            throw myexception("bad data");
    };
    master->addProcess(scene.get());
    scene->addProcess(&destroyer);
    scene->addProcess(victim);
    scene->addProcess(&after);
    EXPECT_THROW(master->updateProcess(step), myexception);
    EXPECT_EQ(1u, master->processCount());
    EXPECT_EQ(2u, scene->processCount());
    fail = false;
    master->updateProcess(step);
    EXPECT_EQ(2u, destroyer.updates.size());
    EXPECT_EQ(1u, after.updates.size());
    master.reset();
    EXPECT_EQ(nullptr, scene->getManager());
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
