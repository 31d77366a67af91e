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
    RecordingProcess first(&journal, "first"), second(&journal, "second");
    second.onUpdate = [&] { manager.updateProcess(1.0); };
    manager.addProcess(&first);
    manager.addProcess(&second);
    manager.addProcess(&first);
    manager.updateProcess(step);
    manager.updateProcess(step);
    EXPECT_EQ((std::vector<std::string>{"first", "second", "first", "second"}), journal);
    EXPECT_DOUBLE_EQ(2 * step, manager.getTotalTime());
}

TEST(ProcessManager, IntervalProcessReceivesTheSumOfItsTicks) {
    ProcessManager manager;
    RecordingProcess process;
    process.setUpdateInterval(3);
    manager.addProcess(&process);
    for (int tick = 0; tick < 7; ++tick)
        manager.updateProcess(step);
    ASSERT_EQ(3u, process.updates.size());
    EXPECT_DOUBLE_EQ(step, process.updates[0]);
    EXPECT_NEAR(3 * step, process.updates[1], 1e-12);
    EXPECT_NEAR(3 * step, process.updates[2], 1e-12);
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
    EXPECT_EQ(1u, victim.updates.size());
    EXPECT_EQ(1u, late.updates.size());
    EXPECT_EQ(1, victim.removals);
    EXPECT_EQ(nullptr, victim.getManager());
    EXPECT_FALSE(victim.isKilled());
    manager.addProcess(&victim);
    EXPECT_EQ(&manager, victim.getManager());
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

TEST(ProcessManager, TimedPauseEndsOnTheTickThatUsesItUpAndIndefinitePauseWaits) {
    ProcessManager manager;
    RecordingProcess timed, indefinite;
    manager.addProcess(&timed);
    manager.addProcess(&indefinite);
    timed.setPaused(true);
    // Exactly two ticks: the remaining time reaches 0.0 on the second.
    timed.setPaused(true, 2 * step);
    indefinite.setPaused(true, 0.0);
    manager.updateProcess(step);
    EXPECT_TRUE(timed.isPaused());
    manager.updateProcess(step);
    EXPECT_FALSE(timed.isPaused());
    EXPECT_EQ((std::vector<bool>{true, false}), timed.pauseChanges);
    EXPECT_EQ(1u, timed.updates.size());
    for (int tick = 0; tick < 10; ++tick)
        manager.updateProcess(step);
    EXPECT_TRUE(indefinite.updates.empty());
    indefinite.setPaused(false);
    manager.updateProcess(step);
    ASSERT_EQ(1u, indefinite.updates.size());
    EXPECT_DOUBLE_EQ(step, indefinite.updates[0]);
}

TEST(ProcessManager, PausedSubtreeStopsItsClock) {
    ProcessManager root;
    ProcessManager scene;
    RecordingProcess inside;
    root.addProcess(&scene);
    scene.addProcess(&inside);
    root.updateProcess(step);
    scene.setPaused(true);
    root.updateProcess(step);
    root.updateProcess(step);
    scene.setPaused(false);
    root.updateProcess(step);
    EXPECT_NEAR(2 * step, scene.getTotalTime(), 1e-12);
    EXPECT_EQ(2u, inside.updates.size());
    EXPECT_DOUBLE_EQ(step, inside.updates[1]);
}

TEST(MasterProcessManager, IsASingleton) {
    MasterProcessManager master;
    EXPECT_THROW(MasterProcessManager second, myexception);
}
