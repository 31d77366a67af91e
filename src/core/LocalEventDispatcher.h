#pragma once

#include "core/EventListener.h"

#include <memory>

// Immediate delivery to the listeners of an event's type code, in the order they were added.
class LocalEventDispatcher {
public:
    LocalEventDispatcher();
    virtual ~LocalEventDispatcher();
    LocalEventDispatcher(const LocalEventDispatcher&) = delete;
    LocalEventDispatcher& operator=(const LocalEventDispatcher&) = delete;

    void addListener(EventListener* listener);
    void removeListener(EventListener* listener);
    // Delivers to a copy of the listener list taken now; listeners destroyed meanwhile are skipped.
    void sendEvent(const EventPtr& event);
    std::size_t listenerCount(int eventType) const;

private:
    class Impl;
    std::shared_ptr<Impl> impl;
};

// Anybody may listen; only the owning class may send.
class ProtectedEventDispatcher : protected LocalEventDispatcher {
public:
    using LocalEventDispatcher::addListener;
    using LocalEventDispatcher::listenerCount;
    using LocalEventDispatcher::removeListener;

protected:
    using LocalEventDispatcher::sendEvent;
};
