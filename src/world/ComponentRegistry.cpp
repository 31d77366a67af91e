#include "world/ComponentRegistry.h"

#include <unordered_map>

namespace {

using EntityMap = std::unordered_map<const Entity*, Component*>;

std::unordered_map<std::string, EntityMap>& registry() {
    static std::unordered_map<std::string, EntityMap> byType;
    return byType;
}

} // namespace

Component* ComponentRegistry::getComponent(const std::string& typeName, const Entity* entity) {
    auto type = registry().find(typeName);
    if (type == registry().end())
        return nullptr;
    auto found = type->second.find(entity);
    return found == type->second.end() ? nullptr : found->second;
}

bool ComponentRegistry::add(const std::string& typeName, const Entity* entity,
                            Component* component) {
    return registry()[typeName].emplace(entity, component).second;
}

void ComponentRegistry::remove(const std::string& typeName, const Entity* entity,
                               const Component* component) {
    auto type = registry().find(typeName);
    if (type == registry().end())
        return;
    auto found = type->second.find(entity);
    if (found != type->second.end() && found->second == component)
        type->second.erase(found);
}
