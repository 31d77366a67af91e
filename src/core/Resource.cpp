#include "core/Resource.h"

#include <mutex>

Resource::Resource(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader)
    : name(name), handle(handle), loader(loader) {}

Resource::~Resource() {
    if (loader && loader->deleteWithResource())
        delete loader;
}

void Resource::load() {
    std::lock_guard<boost::recursive_mutex> lock(mutex);
    if (state != Unloaded)
        return;
    state = Loading;
    // A load that throws must not leave the resource stuck in Loading, where every later load
    // would be ignored.
    try {
        if (loader && loadsThroughLoader())
            loader->loadResource(this);
        else
            loadImpl();
    } catch (...) {
        state = Unloaded;
        throw;
    }
    state = Loaded;
}

void Resource::unload() {
    std::lock_guard<boost::recursive_mutex> lock(mutex);
    if (state != Loaded)
        return;
    state = Unloading;
    try {
        unloadImpl();
    } catch (...) {
        state = Unloaded;
        throw;
    }
    state = Unloaded;
}

void Resource::reload() {
    std::lock_guard<boost::recursive_mutex> lock(mutex);
    if (state != Loaded)
        return;
    unload();
    load();
}
