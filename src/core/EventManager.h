#pragma once

#include "core/EventListener.h"

#include <memory>

// Immediate delivery plus a time-ordered queue worked off by its owner with the current time.
// Every entity and scene is one. Live event managers are registered in PointerValidator, so a
// holder of a raw pointer (a timer, another entity's component) can check before sending.
class EventManager {
public:
    EventManager();
    virtual ~EventManager();
    EventManager(const EventManager&) = delete;
    EventManager& operator=(const EventManager&) = delete;

    void addListener(EventListener* listener);
    void removeListener(EventListener* listener);
    // Delivers now to a copy of the listeners of the event's type; destroyed ones are skipped.
    void sendEvent(const EventPtr& event);
    // Delivers when processQueue reaches the event's time stamp. Queueing the same event object
    // again while it waits does nothing.
    void queueEvent(const EventPtr& event);
    // Delivers every event due at or before now, earliest first (equal stamps in queueing order),
    // including events queued by listeners during this call. Safe if a listener destroys this
    // event manager: the remaining events are then dropped.
    void processQueue(double now);

    std::size_t queuedEventCount() const;
    std::size_t listenerCount(int eventType) const;

private:
    class Impl;
    std::shared_ptr<Impl> impl;
};
