#include "core/ResourceManager.h"

namespace {
void consumeLoader(ManualResourceLoader* loader) {
    if (loader && loader->deleteWithResource())
        delete loader;
}
} // namespace

ResourcePtr ResourceManager::create(const std::string& name, ManualResourceLoader* loader) {
    if (name.empty()) {
        consumeLoader(loader);
        return ResourcePtr();
    }
    auto found = byName.find(name);
    if (found != byName.end()) {
        consumeLoader(loader);
        return found->second;
    }
    ResourceHandle handle = allocateHandle();
    Resource* made = createImpl(name, handle, loader);
    if (!made) {
        consumeLoader(loader);
        return ResourcePtr();
    }
    ResourcePtr resource(made);
    byName[name] = resource;
    byHandle[handle] = resource;
    return resource;
}

ResourcePtr ResourceManager::getByName(const std::string& name) const {
    auto found = byName.find(name);
    return found == byName.end() ? ResourcePtr() : found->second;
}

ResourcePtr ResourceManager::getByHandle(ResourceHandle handle) const {
    auto found = byHandle.find(handle);
    return found == byHandle.end() ? ResourcePtr() : found->second;
}

void ResourceManager::remove(ResourceHandle handle) {
    auto found = byHandle.find(handle);
    if (found == byHandle.end())
        return;
    // Keeps the resource alive until both entries are gone: its destructor may use the manager.
    ResourcePtr keep = found->second;
    byName.erase(keep->getName());
    byHandle.erase(handle);
}

void ResourceManager::unloadAll() {
    for (const ResourcePtr& resource : snapshot())
        resource->unload();
}

void ResourceManager::reloadAll() {
    for (const ResourcePtr& resource : snapshot())
        resource->reload();
}

void ResourceManager::unloadUnreferenced() {
    for (const ResourcePtr& resource : unreferenced())
        resource->unload();
}

void ResourceManager::removeUnreferenced() {
    std::vector<ResourcePtr> dropped = unreferenced();
    for (const ResourcePtr& resource : dropped) {
        byHandle.erase(resource->getHandle());
        byName.erase(resource->getName());
    }
    // The resources die here, after the maps are consistent again.
}

ResourceHandle ResourceManager::allocateHandle() {
    ResourceHandle handle = nextHandle;
    while (handle == 0 || byHandle.count(handle) != 0)
        ++handle;
    nextHandle = handle + 1;
    return handle;
}

std::vector<ResourcePtr> ResourceManager::snapshot() const {
    std::vector<ResourcePtr> all;
    all.reserve(byHandle.size());
    for (const auto& entry : byHandle)
        all.push_back(entry.second);
    return all;
}

std::vector<ResourcePtr> ResourceManager::unreferenced() const {
    std::vector<ResourcePtr> found;
    for (const auto& entry : byHandle)
        if (entry.second.use_count() == cachedOnlyUseCount)
            found.push_back(entry.second);
    return found;
}
