#pragma once

#include <string>

class Component;
class Entity;

// Process-wide index from component type name to, per entity, the component of that type. It
// is how components find their siblings and how an entity is kept to one component per type
// (and per role, for types that also register under an abstract role's name).
class ComponentRegistry {
public:
    // Null when the entity holds no component under that name.
    static Component* getComponent(const std::string& typeName, const Entity* entity);
    // False, and nothing recorded, when the entity already holds a component under that name.
    static bool add(const std::string& typeName, const Entity* entity, Component* component);
    // Forgets the entry only when it is this component, so a refused duplicate cannot erase
    // the sibling that refused it.
    static void remove(const std::string& typeName, const Entity* entity,
                       const Component* component);
};
