#pragma once

#include "core/Resource.h"

#include <boost/thread/recursive_mutex.hpp>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

// The named, reference-counted cache that every kind of resource is kept in.
//
// Ownership: the manager holds each live resource twice, once in the by-name map and once in the
// by-handle map, so a resource no one else holds has a use count of exactly 2; that is what
// unloadUnreferenced and removeUnreferenced look for. Callers keep boost::shared_ptr copies (or
// the handle, to look the resource up again); a resource outlives its removal from the manager
// for as long as someone still holds it.
//
// Concrete managers implement createImpl and call unloadAll() first in their destructor, while
// their resources can still unload themselves.
class ResourceManager {
public:
    ResourceManager() = default;
    virtual ~ResourceManager() = default;
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // The resource cached under name, made (unloaded) when there is none. An empty name, or a
    // createImpl that makes nothing, gives an empty pointer. A loader that answers
    // deleteWithResource true is always consumed: deleted here when it is not attached to a
    // newly made resource.
    virtual ResourcePtr create(const std::string& name, ManualResourceLoader* loader = nullptr);
    ResourcePtr getByName(const std::string& name) const;
    ResourcePtr getByHandle(ResourceHandle handle) const;
    // Drops the resource from both maps; unknown handles are ignored.
    void remove(ResourceHandle handle);

    void unloadAll();
    void reloadAll();
    // Unloads every resource that only the manager holds.
    void unloadUnreferenced();
    // Drops every resource that only the manager holds, which destroys it.
    void removeUnreferenced();

    std::size_t size() const { return byHandle.size(); }
    // The use count of a resource that only the manager holds.
    static constexpr long cachedOnlyUseCount = 2;
    boost::recursive_mutex& getMutex() { return mutex; }

protected:
    // A new, unloaded resource of the manager's type, or null.
    virtual Resource* createImpl(const std::string& name, ResourceHandle handle,
                                 ManualResourceLoader* loader) = 0;

private:
    ResourceHandle allocateHandle();
    // Loading or unloading one resource may create others in the same manager (an XML file
    // loads its includes), so walks work on a copy of the current contents.
    std::vector<ResourcePtr> snapshot() const;
    std::vector<ResourcePtr> unreferenced() const;

    boost::recursive_mutex mutex;
    std::unordered_map<std::string, ResourcePtr> byName;
    std::unordered_map<ResourceHandle, ResourcePtr> byHandle;
    ResourceHandle nextHandle = 1;
};
