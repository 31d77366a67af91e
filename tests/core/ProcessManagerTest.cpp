#include "core/MasterProcessManager.h"
#include "support/RecordingProcess.h"

#include <gtest/gtest.h>

namespace {
constexpr double step = 0.016;
}

TEST(ProcessManager, UpdatesChildrenInInsertionOrderAndSumsTime) {
    std::vector<std::string> journal;
    ProcessManager manager;
    RecordingProcess first(&journal, "first"), second(&journal, "second");
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
    RecordingProcess killer, victim;
    killer.onUpdate = [&] { victim.kill(); };
    manager.addProcess(&killer);
    manager.addProcess(&victim);
    manager.updateProcess(step);
    EXPECT_EQ(1u, victim.updates.size());
    EXPECT_EQ(1, victim.removals);
    EXPECT_EQ(nullptr, victim.getManager());
    EXPECT_FALSE(victim.isKilled());
    manager.addProcess(&victim);
    EXPECT_EQ(&manager, victim.getManager());
}

TEST(ProcessManager, StandAloneProcessIsDeletedWhenReaped) {
    ProcessManager manager;
    bool destroyed = false;
    auto* process = new RecordingProcess(nullptr, "", true);
    process->onDestroy = [&] { destroyed = true; };
    process->onUpdate = [process] { process->kill(); };
    manager.addProcess(process);
    manager.updateProcess(step);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(0u, manager.processCount());
}

TEST(ProcessManager, ProcessAddedDuringPassRunsInThatPass) {
    ProcessManager manager;
    RecordingProcess adder, late;
    adder.onUpdate = [&] { manager.addProcess(&late); };
    manager.addProcess(&adder);
    manager.updateProcess(step);
    EXPECT_EQ(1u, late.updates.size());
}

TEST(ProcessManager, SiblingDestroyedDuringPassIsNotTouched) {
    ProcessManager manager;
    RecordingProcess destroyer;
    auto* victim = new RecordingProcess;
    RecordingProcess after;
    destroyer.onUpdate = [&] {
        delete victim;
        victim = nullptr;
    };
    manager.addProcess(&destroyer);
    manager.addProcess(victim);
    manager.addProcess(&after);
    manager.updateProcess(step);
    EXPECT_EQ(1u, after.updates.size());
    EXPECT_EQ(2u, manager.processCount());
}

TEST(ProcessManager, TimedPauseEndsAndIndefinitePauseWaitsForResume) {
    ProcessManager manager;
    RecordingProcess timed, indefinite;
    manager.addProcess(&timed);
    manager.addProcess(&indefinite);
    timed.setPaused(true);
    timed.setPaused(true, 0.03);
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

TEST(ProcessManager, ReentrantUpdateFromChildDoesNothing) {
    ProcessManager manager;
    RecordingProcess child;
    child.onUpdate = [&] { manager.updateProcess(1.0); };
    manager.addProcess(&child);
    manager.updateProcess(step);
    EXPECT_DOUBLE_EQ(step, manager.getTotalTime());
    EXPECT_EQ(1u, child.updates.size());
}

TEST(ProcessManager, DestructionDeletesStandAloneAndDetachesOthers) {
    RecordingProcess owned;
    bool standAloneDestroyed = false;
    {
        ProcessManager manager;
        auto* standAlone = new RecordingProcess(nullptr, "", true);
        standAlone->onDestroy = [&] { standAloneDestroyed = true; };
        manager.addProcess(standAlone);
        manager.addProcess(&owned);
    }
    EXPECT_TRUE(standAloneDestroyed);
    EXPECT_EQ(nullptr, owned.getManager());
}

TEST(ProcessManager, DestroyedChildLeavesItsManager) {
    ProcessManager manager;
    {
        RecordingProcess shortLived;
        manager.addProcess(&shortLived);
    }
    EXPECT_EQ(0u, manager.processCount());
    manager.updateProcess(step);
}

TEST(MasterProcessManager, IsASingleton) {
    MasterProcessManager master;
    EXPECT_EQ(&master, &MasterProcessManager::getSingleton());
    EXPECT_THROW(MasterProcessManager second, myexception);
}
