#pragma once

#include "core/Event.h"

#include <map>
#include <memory>
#include <vector>

// Hears the events of one type code from the dispatchers it is registered with. Destroying a
// listener unregisters it everywhere, and a delivery already under way will not call it any more:
// each delivery checks the listener's life token before the call.
class EventListener {
public:
    // What a listener sees of a dispatcher it is registered with.
    class AbstractEventDispatcher {
    public:
        virtual void removeListener(EventListener* listener) = 0;
        virtual ~AbstractEventDispatcher() = default;
    };

    explicit EventListener(int listenerType) : listenerType(listenerType) {}
    // A copy listens to the same type but starts unregistered.
    EventListener(const EventListener& other) : listenerType(other.listenerType) {}
    EventListener& operator=(const EventListener&) { return *this; }
    virtual ~EventListener();

    virtual void handleEvent(const EventPtr& event) = 0;

    int getListenerType() const { return listenerType; }
    // Expires when the listener is destroyed.
    std::weak_ptr<const void> lifeToken() const { return life; }
    std::size_t dispatcherCount() const { return dispatchers.size(); }

    // Book-keeping for dispatchers only.
    void registeredWith(AbstractEventDispatcher* dispatcher);
    void unregisteredFrom(AbstractEventDispatcher* dispatcher);

private:
    int listenerType;
    std::vector<AbstractEventDispatcher*> dispatchers;
    std::shared_ptr<const void> life = std::make_shared<int>(0);
};

// One listener captured for a delivery, with the means to tell whether it still lives.
struct ListenerHandle {
    EventListener* listener;
    std::weak_ptr<const void> life;

    explicit ListenerHandle(EventListener* listener)
        : listener(listener), life(listener->lifeToken()) {}
    // Calls the listener unless it was destroyed since the handle was taken.
    void deliver(const EventPtr& event) const {
        if (!life.expired())
            listener->handleEvent(event);
    }
};

// Handles for the listeners of one event type in a dispatcher's type-to-listeners map, taken at
// the start of a delivery.
template <typename Collection>
std::vector<ListenerHandle> listenerHandles(const std::map<int, Collection>& listeners,
                                            int eventType) {
    std::vector<ListenerHandle> handles;
    auto found = listeners.find(eventType);
    if (found != listeners.end())
        for (EventListener* listener : found->second)
            handles.emplace_back(listener);
    return handles;
}
