#include "core/TypeRegistry.h"

#include "core/EventFactory.h"
#include "physics/MovableActionEvent.h"

namespace {
template <typename T, typename Factory> void add(Factory& factory) {
    // The factory keeps its own copy; this default object is only the prototype's template.
    T prototype;
    factory.registerType(prototype);
}
} // namespace

void registerComponentTypes(ComponentFactory&) {}

void registerEventTypes(EventFactory& factory) {
    add<MovableActionEvent>(factory);
}
