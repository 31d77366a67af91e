#include "core/EventManager.h"
#include "core/LocalEventDispatcher.h"
#include "core/ProcessManager.h"
#include "core/Timer.h"
#include "core/TimerListener.h"
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

struct NamedTimerListener : TimerListener {
    std::vector<std::string> names;
    void timerExpired(const boost::shared_ptr<TimerEvent>& event) override {
        names.push_back(event->getName());
    }
};
} // namespace

TEST(LocalEventDispatcher, DeliversInOrderOfAddingAndOnlyToItsType) {
    std::vector<std::string> journal;
    LocalEventDispatcher dispatcher;
    RecordingListener second(typeA, &journal, "second"), first(typeA, &journal, "first");
    RecordingListener other(typeB, &journal, "other");
    dispatcher.addListener(&second);
    dispatcher.addListener(&first);
    dispatcher.addListener(&second);
    dispatcher.addListener(&other);
    dispatcher.sendEvent(makeEvent(typeA));
    EXPECT_EQ((std::vector<std::string>{"second", "first"}), journal);
}

TEST(LocalEventDispatcher, ListenerRemovedDuringDeliveryStillHearsCurrentEventOnly) {
    LocalEventDispatcher dispatcher;
    RecordingListener remover(typeA), removed(typeA), added(typeA);
    remover.onEvent = [&](const EventPtr&) {
        dispatcher.removeListener(&removed);
        dispatcher.removeListener(&remover);
        dispatcher.addListener(&added);
    };
    dispatcher.addListener(&remover);
    dispatcher.addListener(&removed);
    dispatcher.sendEvent(makeEvent(typeA));
    EXPECT_EQ(1u, removed.heard.size());
    EXPECT_TRUE(added.heard.empty());
    dispatcher.sendEvent(makeEvent(typeA));
    EXPECT_EQ(1u, remover.heard.size());
    EXPECT_EQ(1u, removed.heard.size());
    EXPECT_EQ(1u, added.heard.size());
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

TEST(EventManager, ListenerOutlivingItsDispatcherForgetsIt) {
    RecordingListener listener(typeA);
    {
        EventManager manager;
        LocalEventDispatcher local;
        manager.addListener(&listener);
        local.addListener(&listener);
        EXPECT_EQ(2u, listener.dispatcherCount());
    }
    EXPECT_EQ(0u, listener.dispatcherCount());
}

TEST(EventManager, QueueDeliversWhenDueAndEachEventOnce) {
    EventManager manager;
    RecordingListener listener(typeA);
    manager.addListener(&listener);
    EventPtr late = makeEvent(typeA, 2.0);
    EventPtr early = makeEvent(typeA, 1.0);
    manager.queueEvent(late);
    manager.queueEvent(late);
    manager.queueEvent(early);
    manager.processQueue(1.99);
    ASSERT_EQ(1u, listener.heard.size());
    EXPECT_EQ(early, listener.heard[0]);
    manager.processQueue(2.0);
    ASSERT_EQ(2u, listener.heard.size());
    EXPECT_EQ(late, listener.heard[1]);
    EXPECT_EQ(0u, manager.queuedEventCount());
}

TEST(EventManager, EventsWithOneStampComeOutInQueueingOrder) {
    std::vector<std::string> journal;
    EventManager manager;
    RecordingListener a(typeA, &journal, "a"), b(typeB, &journal, "b"), c(0x44, &journal, "c");
    for (RecordingListener* listener : {&a, &b, &c})
        manager.addListener(listener);
    for (int type : {typeA, typeB, 0x44})
        manager.queueEvent(makeEvent(type, 1.0));
    manager.processQueue(1.0);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), journal);
}

// A listener that queues the event it is hearing again must not be fed it for ever in one run.
TEST(EventManager, EventQueuedAgainDuringItsDeliveryWaitsForTheNextRun) {
    EventManager manager;
    RecordingListener repeater(typeA);
    repeater.onEvent = [&](const EventPtr& event) {
        manager.queueEvent(event);
        manager.queueEvent(event);
    };
    manager.addListener(&repeater);
    manager.queueEvent(makeEvent(typeA, 0.0));
    manager.processQueue(1.0);
    EXPECT_EQ(1u, repeater.heard.size());
    EXPECT_EQ(1u, manager.queuedEventCount());
    manager.processQueue(1.0);
    EXPECT_EQ(2u, repeater.heard.size());
}

TEST(EventManager, EventsQueuedDuringProcessingAreDeliveredIfDue) {
    EventManager manager;
    RecordingListener chain(typeA), follower(typeB);
    chain.onEvent = [&](const EventPtr&) {
        manager.queueEvent(makeEvent(typeB, 0.5));
        manager.queueEvent(makeEvent(typeB, 5.0));
    };
    manager.addListener(&chain);
    manager.addListener(&follower);
    manager.queueEvent(makeEvent(typeA, 0.0));
    manager.processQueue(1.0);
    EXPECT_EQ(1u, follower.heard.size());
    EXPECT_EQ(1u, manager.queuedEventCount());
}

TEST(EventManager, NestedSendCompletesBeforeOuterDeliveryContinues) {
    std::vector<std::string> journal;
    EventManager manager;
    RecordingListener outer(typeA, &journal, "outer"), inner(typeB, &journal, "inner");
    outer.onEvent = [&](const EventPtr&) { manager.sendEvent(makeEvent(typeB)); };
    manager.addListener(&outer);
    manager.addListener(&inner);
    manager.sendEvent(makeEvent(typeA));
    EXPECT_EQ((std::vector<std::string>{"outer", "inner"}), journal);
}

TEST(EventManager, ListenerDestroyingTheManagerDuringQueueRunIsSafe) {
    auto manager = std::make_unique<EventManager>();
    RecordingListener listener(typeA);
    listener.onEvent = [&](const EventPtr&) { manager.reset(); };
    manager->addListener(&listener);
    manager->queueEvent(makeEvent(typeA, 0.0));
    manager->queueEvent(makeEvent(typeA, 0.0));
    EventManager* raw = manager.get();
    raw->processQueue(1.0);
    EXPECT_EQ(1u, listener.heard.size());
    EXPECT_EQ(0u, listener.dispatcherCount());
}

TEST(Timer, FiresOnTheTickThatTakesItBelowZero) {
    ProcessManager manager;
    EventManager target;
    NamedTimerListener listener;
    target.addListener(&listener);
    manager.addProcess(new Timer("fuse", &target, 0.05));
    manager.addProcess(new Timer("spark", &target, 0.0));
    for (int tick = 1; tick <= 3; ++tick)
        manager.updateProcess(0.016);
    EXPECT_EQ((std::vector<std::string>{"spark"}), listener.names);
    manager.updateProcess(0.016);
    EXPECT_EQ((std::vector<std::string>{"spark", "fuse"}), listener.names);
    EXPECT_EQ(0u, manager.processCount());
}

TEST(Timer, WithoutItsTargetFiresNothingAndIsStillRemoved) {
    ProcessManager manager;
    auto target = std::make_unique<EventManager>();
    manager.addProcess(new Timer("orphan", target.get(), 0.0));
    target.reset();
    manager.updateProcess(0.016);
    EXPECT_EQ(0u, manager.processCount());
}

TEST(Timer, NegativeTimeIsRefused) {
    EXPECT_THROW(Timer("bad", nullptr, -0.1), myexception);
}
