#include "core/EventListener.h"

#include <algorithm>

EventListener::~EventListener() {
    life.reset();
    // removeListener edits the list, so work from a copy.
    std::vector<AbstractEventDispatcher*> registered = dispatchers;
    for (AbstractEventDispatcher* dispatcher : registered)
        dispatcher->removeListener(this);
}

void EventListener::registeredWith(AbstractEventDispatcher* dispatcher) {
    if (std::find(dispatchers.begin(), dispatchers.end(), dispatcher) == dispatchers.end())
        dispatchers.push_back(dispatcher);
}

void EventListener::unregisteredFrom(AbstractEventDispatcher* dispatcher) {
    dispatchers.erase(std::remove(dispatchers.begin(), dispatchers.end(), dispatcher),
                      dispatchers.end());
}
