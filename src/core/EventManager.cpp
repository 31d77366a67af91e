#include "core/EventManager.h"

#include "core/PointerValidator.h"

#include <boost/thread/recursive_mutex.hpp>

#include <algorithm>
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
        // An event queued again by one of its own listeners would be due at once and delivered
        // again in the same run, for ever: it waits for the next run instead.
        if (delivering.count(event.get())) {
            if (std::find(deferred.begin(), deferred.end(), event) == deferred.end())
                deferred.push_back(event);
            return;
        }
        if (queued.insert(event.get()).second)
            heap.push(Pending{event, nextSequence++});
    }

    // Works off every event due at or before now. A nested run (a listener processing the same
    // queue) leaves the deferred events to the outermost one.
    void run(double now) {
        struct Depth {
            Impl& impl;
            explicit Depth(Impl& impl) : impl(impl) { ++impl.depth; }
            ~Depth() {
                if (--impl.depth == 0)
                    impl.requeueDeferred();
            }
        } depthGuard(*this);
        while (ownerAlive) {
            EventPtr event = popDue(now);
            if (!event)
                break;
            struct Delivery {
                Impl& impl;
                const EventPtr& event;
                ~Delivery() { impl.finishDelivery(event); }
            } delivery{*this, event};
            send(event);
        }
    }

    std::size_t queuedCount() const { return heap.size() + deferred.size(); }
    std::size_t count(int eventType) const {
        auto found = listeners.find(eventType);
        return found == listeners.end() ? 0 : found->second.size();
    }

    bool ownerAlive = true;

private:
    // Takes the earliest event due at or before now off the heap, or null. It stays in the set
    // of queued events until its delivery is over.
    EventPtr popDue(double now) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        if (heap.empty() || heap.top().event->getTime() > now)
            return EventPtr();
        EventPtr event = heap.top().event;
        heap.pop();
        delivering.insert(event.get());
        return event;
    }

    void finishDelivery(const EventPtr& event) {
        boost::recursive_mutex::scoped_lock lock(mutex);
        delivering.erase(event.get());
        // Queued again during its delivery, it stays queued and waits in the deferred list.
        if (std::find(deferred.begin(), deferred.end(), event) == deferred.end())
            queued.erase(event.get());
    }

    void requeueDeferred() {
        boost::recursive_mutex::scoped_lock lock(mutex);
        for (const EventPtr& later : deferred)
            heap.push(Pending{later, nextSequence++});
        deferred.clear();
    }

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
    std::set<const Event*> delivering;
    std::vector<EventPtr> deferred;
    std::uint64_t nextSequence = 0;
    int depth = 0;
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
    keep->run(now);
}

std::size_t EventManager::queuedEventCount() const {
    return impl->queuedCount();
}
std::size_t EventManager::listenerCount(int eventType) const {
    return impl->count(eventType);
}
