#include "core/EventManager.h"
#include "core/LocalEventDispatcher.h"
#include "core/ProcessManager.h"
#include "core/Timer.h"
#include "core/TimerEvent.h"
#include "core/myexception.h"
#include "support/RecordingListener.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr int typeA = 0x42;
constexpr int typeB = 0x43;

EventPtr makeEvent(int type, double time = 0.0) {
    return EventPtr(new Event(type, time));
}

} // namespace

// A listener removed during a delivery still hears it; one added then hears only the next.
TEST(LocalEventDispatcher, DeliversInOrderOfAddingAndOnlyToItsType) {
    std::vector<std::string> journal;
    LocalEventDispatcher dispatcher;
    RecordingListener remover(typeA, &journal, "remover"), removed(typeA, &journal, "removed");
    RecordingListener added(typeA, &journal, "added"), other(typeB, &journal, "other");
    remover.onEvent = [&](const EventPtr&) {
        dispatcher.removeListener(&removed);
        dispatcher.removeListener(&remover);
        dispatcher.addListener(&added);
    };
    for (RecordingListener* listener : {&remover, &removed, &remover, &other})
        dispatcher.addListener(listener);
    dispatcher.sendEvent(makeEvent(typeA));
    dispatcher.sendEvent(makeEvent(typeA));
    EXPECT_EQ((std::vector<std::string>{"remover", "removed", "added"}), journal);
}

// Runs clean under AddressSanitizer only if a destroyed listener is never called.
TEST(EventManager, ListenerDestroyedDuringDeliveryIsNeverCalled) {
    EventManager manager;
    std::unique_ptr<RecordingListener> doomed[2];
    int calls = 0;
    for (auto& listener : doomed) {
        listener = std::make_unique<RecordingListener>(typeA);
        // The closure dies with its listener, so work only through locals after that.
        listener->onEvent = [&calls, &doomed](const EventPtr&) {
            auto* all = &doomed;
            ++calls;
            (*all)[0].reset();
            (*all)[1].reset();
        };
        manager.addListener(listener.get());
    }
    manager.sendEvent(makeEvent(typeA));
    EXPECT_EQ(1, calls);
    EXPECT_EQ(0u, manager.listenerCount(typeA));
}

// Equal stamps keep queueing order; an event re-queued by its own listener waits for the next run.
TEST(EventManager, QueueDeliversDueEventsInOrderAndEachOncePerRun) {
    std::vector<std::string> journal;
    EventManager manager;
    RecordingListener a(typeA, &journal, "a"), b(typeB, &journal, "b");
    RecordingListener repeater(0x44, &journal, "r");
    repeater.onEvent = [&](const EventPtr& event) {
        manager.queueEvent(event);
        manager.queueEvent(event);
        manager.queueEvent(makeEvent(typeB, 1.5));
        manager.queueEvent(makeEvent(typeB, 5.0));
    };
    for (RecordingListener* listener : {&a, &b, &repeater})
        manager.addListener(listener);
    EventPtr late = makeEvent(typeA, 2.0);
    manager.queueEvent(late);
    manager.queueEvent(late);
    for (int type : {typeB, 0x44, typeA})
        manager.queueEvent(makeEvent(type, 1.0));
    manager.processQueue(1.99);
    EXPECT_EQ((std::vector<std::string>{"b", "r", "a", "b"}), journal);
    manager.processQueue(2.0);
    EXPECT_EQ((std::vector<std::string>{"b", "r", "a", "b", "r", "b", "a"}), journal);
    EXPECT_EQ(late, a.heard.back());
    EXPECT_EQ(3u, manager.queuedEventCount());
}

TEST(EventManager, NestedSendCompletesBeforeOuterDeliveryContinues) {
    std::vector<std::string> journal;
    EventManager manager;
    RecordingListener outer(typeA, &journal, "outer"), inner(typeB, &journal, "inner");
    RecordingListener after(typeA, &journal, "after");
    outer.onEvent = [&](const EventPtr&) { manager.sendEvent(makeEvent(typeB)); };
    for (RecordingListener* listener : {&outer, &inner, &after})
        manager.addListener(listener);
    manager.sendEvent(makeEvent(typeA));
    EXPECT_EQ((std::vector<std::string>{"outer", "inner", "after"}), journal);
}

TEST(EventManager, ListenerDestroyingTheManagerDuringQueueRunIsSafe) {
    auto manager = std::make_unique<EventManager>();
    EventManager* raw = manager.get();
    RecordingListener listener(typeA);
    listener.onEvent = [&](const EventPtr&) { manager.reset(); };
    raw->addListener(&listener);
    for (int copy = 0; copy < 2; ++copy)
        raw->queueEvent(makeEvent(typeA, 0.0));
    raw->processQueue(1.0);
    EXPECT_EQ(1u, listener.heard.size());
    EXPECT_EQ(0u, listener.dispatcherCount());
}

// A timer whose target is gone fires nothing and is still removed.
TEST(Timer, FiresOnTheTickThatTakesItBelowZero) {
    ProcessManager manager;
    auto target = std::make_unique<EventManager>();
    auto orphaned = std::make_unique<EventManager>();
    std::vector<std::string> names;
    RecordingListener listener(EventType::Timer);
    listener.onEvent = [&](const EventPtr& event) {
        names.push_back(static_cast<TimerEvent&>(*event).getName());
    };
    target->addListener(&listener);
    manager.addProcess(new Timer("fuse", target.get(), 0.05));
    manager.addProcess(new Timer("spark", target.get(), 0.0));
    manager.addProcess(new Timer("orphan", orphaned.get(), 0.0));
    orphaned.reset();
    for (int tick = 1; tick <= 3; ++tick)
        manager.updateProcess(0.016);
    EXPECT_EQ((std::vector<std::string>{"spark"}), names);
    manager.updateProcess(0.016);
    EXPECT_EQ((std::vector<std::string>{"spark", "fuse"}), names);
    EXPECT_EQ(0u, manager.processCount());
    EXPECT_THROW(Timer("bad", nullptr, -0.1), myexception);
}
