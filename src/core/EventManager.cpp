#include "core/EventManager.h"

#include "core/PointerValidator.h"

#include <boost/thread/recursive_mutex.hpp>

#include <cstdint>
#include <map>
#include <queue>
#include <set>
#include <vector>

class EventManager::Impl : public EventListener::AbstractEventDispatcher {
public:
    ~Impl() override { releaseListeners(); }

    void releaseListeners() {
        for (auto& entry : listeners)
            for (EventListener* listener : entry.second)
                listener->unregisteredFrom(this);
        listeners.clear();
    }

    void add(EventListener* listener) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        if (listeners[listener->getListenerType()].insert(listener).second)
            listener->registeredWith(this);
    }

    void removeListener(EventListener* listener) override {
        boost::recursive_mutex::scoped_lock lock(mutex);
        auto found = listeners.find(listener->getListenerType());
        if (found != listeners.end())
            found->second.erase(listener);
        listener->unregisteredFrom(this);
    }

    std::vector<ListenerHandle> snapshot(int eventType) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        return listenerHandles(listeners, eventType);
    }

    void send(const EventPtr& event) {
        for (const ListenerHandle& handle : snapshot(event->getEventType()))
            handle.deliver(event);
    }

    void queue(const EventPtr& event) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        if (!queued.insert(event.get()).second)
            return;
        heap.push(Pending{event, nextSequence++});
    }

    // Takes the earliest event due at or before now off the queue, or null.
    EventPtr popDue(double now) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        if (heap.empty() || heap.top().event->getTime() > now)
            return EventPtr();
        EventPtr event = heap.top().event;
        heap.pop();
        queued.erase(event.get());
        return event;
    }

    std::size_t queuedCount() const { return heap.size(); }
    std::size_t count(int eventType) const {
        auto found = listeners.find(eventType);
        return found == listeners.end() ? 0 : found->second.size();
    }

    bool ownerAlive = true;

private:
    struct Pending {
        EventPtr event;
        std::uint64_t sequence;
    };
    struct LaterFirst {
        bool operator()(const Pending& a, const Pending& b) const {
            if (a.event->getTime() != b.event->getTime())
                return a.event->getTime() > b.event->getTime();
            return a.sequence > b.sequence;
        }
    };

    boost::recursive_mutex mutex;
    std::map<int, std::set<EventListener*>> listeners;
    std::priority_queue<Pending, std::vector<Pending>, LaterFirst> heap;
    std::set<const Event*> queued;
    std::uint64_t nextSequence = 0;
};

EventManager::EventManager() : impl(std::make_shared<Impl>()) {
    PointerValidator<EventManager>::add(this);
}

EventManager::~EventManager() {
    PointerValidator<EventManager>::remove(this);
    impl->ownerAlive = false;
    // Listeners must forget this dispatcher now, even if a queue run keeps the Impl alive.
    impl->releaseListeners();
}

void EventManager::addListener(EventListener* listener) {
    if (listener)
        impl->add(listener);
}

void EventManager::removeListener(EventListener* listener) {
    if (listener)
        impl->removeListener(listener);
}

void EventManager::sendEvent(const EventPtr& event) {
    if (event)
        impl->send(event);
}

void EventManager::queueEvent(const EventPtr& event) {
    if (event)
        impl->queue(event);
}

void EventManager::processQueue(double now) {
    // Holding our own reference keeps the queue valid if a listener destroys this manager.
    std::shared_ptr<Impl> keep = impl;
    while (keep->ownerAlive) {
        EventPtr event = keep->popDue(now);
        if (!event)
            break;
        keep->send(event);
    }
}

std::size_t EventManager::queuedEventCount() const {
    return impl->queuedCount();
}
std::size_t EventManager::listenerCount(int eventType) const {
    return impl->count(eventType);
}
