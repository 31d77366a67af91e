#include "core/LocalEventDispatcher.h"

#include <boost/thread/recursive_mutex.hpp>

#include <algorithm>
#include <map>
#include <vector>

class LocalEventDispatcher::Impl : public EventListener::AbstractEventDispatcher {
public:
    ~Impl() override {
        for (auto& entry : listeners)
            for (EventListener* listener : entry.second)
                listener->unregisteredFrom(this);
    }

    void add(EventListener* listener) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        auto& sequence = listeners[listener->getListenerType()];
        if (std::find(sequence.begin(), sequence.end(), listener) != sequence.end())
            return;
        sequence.push_back(listener);
        listener->registeredWith(this);
    }

    void removeListener(EventListener* listener) override {
        boost::recursive_mutex::scoped_lock lock(mutex);
        auto found = listeners.find(listener->getListenerType());
        if (found != listeners.end()) {
            auto& sequence = found->second;
            sequence.erase(std::remove(sequence.begin(), sequence.end(), listener), sequence.end());
            if (sequence.empty())
                listeners.erase(found);
        }
        listener->unregisteredFrom(this);
    }

    std::vector<ListenerHandle> snapshot(int eventType) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        return listenerHandles(listeners, eventType);
    }

    std::size_t count(int eventType) const {
        auto found = listeners.find(eventType);
        return found == listeners.end() ? 0 : found->second.size();
    }

private:
    boost::recursive_mutex mutex;
    std::map<int, std::vector<EventListener*>> listeners;
};

LocalEventDispatcher::LocalEventDispatcher() : impl(std::make_shared<Impl>()) {}
LocalEventDispatcher::~LocalEventDispatcher() = default;

void LocalEventDispatcher::addListener(EventListener* listener) {
    if (listener)
        impl->add(listener);
}

void LocalEventDispatcher::removeListener(EventListener* listener) {
    if (listener)
        impl->removeListener(listener);
}

void LocalEventDispatcher::sendEvent(const EventPtr& event) {
    if (!event)
        return;
    for (const ListenerHandle& handle : impl->snapshot(event->getEventType()))
        handle.deliver(event);
}

std::size_t LocalEventDispatcher::listenerCount(int eventType) const {
    return impl->count(eventType);
}
