#pragma once

#include "core/ManualResourceLoader.h"

#include <boost/shared_ptr.hpp>
#include <boost/thread/recursive_mutex.hpp>

#include <cstdint>
#include <string>

typedef std::uint32_t ResourceHandle;

// A named object cached by a ResourceManager and shared through boost::shared_ptr.
//
// Lifetime: a resource is created unloaded by ResourceManager::create, loaded by whoever uses it
// (load), unloaded by the manager's unloadAll/unloadUnreferenced or by its own destructor, and
// destroyed when the last shared pointer goes. The manager holds two of those pointers (one per
// map), so holders that want the resource to stay must keep a shared pointer; a raw Resource*
// or a reference is only valid while some shared pointer is held. A handle stays meaningful
// while the resource is in its manager; after removal it may be given to a new resource.
//
// State machine: Unloaded -load-> Loading -> Loaded -unload-> Unloading -> Unloaded. A call made
// in any other state does nothing, so a resource asked to load itself again while it is loading
// (a file that includes itself) does not recurse.
//
// Subclasses implement loadImpl/unloadImpl and call unload() from their own destructor: the base
// destructor cannot, because unloadImpl is pure by then.
class Resource {
public:
    enum State { Unloaded = 0, Loading = 1, Loaded = 2, Unloading = 3 };

    // The loader, when given, is owned as ManualResourceLoader describes.
    Resource(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    virtual ~Resource();
    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;

    virtual void load();
    virtual void unload();
    virtual void reload();
    // True when the last load fell back to a placeholder (blank texture, nothing indexed, ...).
    virtual bool loadFailed() const { return failed; }

    const std::string& getName() const { return name; }
    ResourceHandle getHandle() const { return handle; }
    State getState() const { return state; }
    ManualResourceLoader* getLoader() const { return loader; }
    // Held during load, unload and reload; users that read a loaded resource's content across
    // several calls (the XML element lookup) hold it too. Recursive, so nesting is safe.
    boost::recursive_mutex& getMutex() { return mutex; }
    // Loaders and content loaders report a fallback through this.
    void setLoadFailed(bool value) { failed = value; }

protected:
    // Resources that hand their loader a prepared context (a texture binds its GL name first)
    // answer false and call the loader from their own loadImpl.
    virtual bool loadsThroughLoader() const { return true; }
    virtual void loadImpl() = 0;
    virtual void unloadImpl() = 0;

private:
    boost::recursive_mutex mutex;
    std::string name;
    ResourceHandle handle;
    ManualResourceLoader* loader;
    State state = Unloaded;
    bool failed = false;
};

typedef boost::shared_ptr<Resource> ResourcePtr;
