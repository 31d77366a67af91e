#include "core/TypeRegistry.h"

#include "core/ComponentFactory.h"
#include "core/EventFactory.h"
#include "physics/MovableActionEvent.h"
#include "world/ComponentAdder.h"
#include "world/ComponentAdderActionEvent.h"

namespace {
template <typename T, typename Factory> void add(Factory& factory) {
    // The factory keeps its own copy; this default object is only the prototype's template.
    T prototype;
    factory.registerType(prototype);
}
} // namespace

void registerComponentTypes(ComponentFactory& factory) {
    add<ComponentAdder>(factory);
}

void registerEventTypes(EventFactory& factory) {
    add<ComponentAdderActionEvent>(factory);
    add<MovableActionEvent>(factory);
}
