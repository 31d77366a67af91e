#pragma once

class ComponentFactory;
class EventFactory;

// Every component and factory event type that data files may name, registered in the fixed
// order of the type tables. Called once from start-up, before any data is loaded.
void registerComponentTypes(ComponentFactory& factory);
void registerEventTypes(EventFactory& factory);
