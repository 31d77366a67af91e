#include "core/ResourceManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace {
struct Counters {
    int loads = 0, unloads = 0, destroyed = 0;
};

struct CountingResource : Resource {
    CountingResource(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader,
                     Counters& counters)
        : Resource(name, handle, loader), counters(counters) {}
    ~CountingResource() override {
        unload();
        ++counters.destroyed;
    }
    void loadImpl() override {
        ++counters.loads;
        if (duringLoad)
            duringLoad();
    }
    void unloadImpl() override { ++counters.unloads; }
    Counters& counters;
    std::function<void()> duringLoad;
};

struct CountingManager : ResourceManager {
    ~CountingManager() override { unloadAll(); }
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override {
        return refuse ? nullptr : new CountingResource(name, handle, loader, counters);
    }
    Counters counters;
    bool refuse = false;
};

struct RecordingLoader : ManualResourceLoader {
    RecordingLoader(bool owned, Counters& counters) : owned(owned), counters(counters) {}
    ~RecordingLoader() override { ++counters.destroyed; }
    void loadResource(Resource*) override { ++counters.loads; }
    bool deleteWithResource() override { return owned; }
    bool owned;
    Counters& counters;
};
} // namespace

TEST(ResourceManager, LoadStateMachineIgnoresCallsInTheWrongStateAndSurvivesAThrowingLoad) {
    CountingManager manager;
    ResourcePtr resource = manager.create("r");
    resource->reload(); // not loaded: nothing to do
    auto& counting = static_cast<CountingResource&>(*resource);
    counting.duringLoad = [] { throw std::runtime_error("broken"); };
    EXPECT_THROW(resource->load(), std::runtime_error);
    // A load reached again from inside itself does not recurse.
    counting.duringLoad = [&] { resource->load(); };
    resource->load();
    resource->load();
    EXPECT_EQ(2, manager.counters.loads);
    resource->reload();
    EXPECT_EQ(3, manager.counters.loads);
    EXPECT_EQ(1, manager.counters.unloads);
}

// An owning loader goes with its resource (or at once); a re-created name gets a new handle.
TEST(ResourceManager, OwningLoaderIsDeletedExactlyOnceAndHandlesAreNeverShared) {
    Counters loader;
    RecordingLoader kept(false, loader);
    {
        CountingManager other;
        other.create("owned", new RecordingLoader(true, loader))->load();
        other.create("kept", &kept)->load();
        EXPECT_EQ(2, loader.loads);
        EXPECT_EQ(0, other.counters.loads);
    }
    EXPECT_EQ(1, loader.destroyed);
    CountingManager manager;
    ResourcePtr first = manager.create("text", new RecordingLoader(true, loader));
    EXPECT_EQ(first.get(), manager.create("text", new RecordingLoader(true, loader)).get());
    manager.create("other");
    manager.remove(first->getHandle());
    manager.remove(12345);
    ResourcePtr again = manager.create("text");
    EXPECT_NE(first.get(), again.get());
    EXPECT_EQ(3u, again->getHandle());
    EXPECT_FALSE(manager.create("", new RecordingLoader(true, loader)));
    manager.refuse = true;
    EXPECT_FALSE(manager.create("refused", new RecordingLoader(true, loader)));
    EXPECT_EQ(2u, manager.size());
    EXPECT_EQ(4, loader.destroyed);
}

TEST(ResourceManager, UnreferencedRulesActOnlyOnResourcesNobodyElseHolds) {
    CountingManager manager;
    ResourcePtr held = manager.create("held");
    manager.create("loose")->load();
    held->load();
    ResourceHandle looseHandle = manager.getByName("loose")->getHandle();
    manager.unloadUnreferenced();
    EXPECT_EQ(Resource::Loaded, held->getState());
    EXPECT_EQ(Resource::Unloaded, manager.getByHandle(looseHandle)->getState());
    manager.getByHandle(looseHandle)->load();
    manager.removeUnreferenced();
    EXPECT_EQ(1, manager.counters.destroyed);
    EXPECT_EQ(2, manager.counters.unloads);
    EXPECT_FALSE(manager.getByHandle(looseHandle));
}

TEST(ResourceManager, ReloadAllAndUnloadAllReachEveryResourceEvenWhenLoadsCreateMore) {
    CountingManager manager;
    std::vector<ResourcePtr> held;
    for (int i = 0; i < 8; ++i) {
        ResourcePtr resource = manager.create("file" + std::to_string(i));
        // Like a data file loading its includes: every load adds resources to the same cache.
        static_cast<CountingResource&>(*resource).duringLoad = [&manager, &held, i] {
            for (int j = 0; j < 16; ++j)
                held.push_back(manager.create("include" + std::to_string(i) + "_" +
                                              std::to_string(held.size())));
        };
        resource->load();
        held.push_back(resource);
    }
    std::size_t before = manager.size();
    manager.reloadAll();
    EXPECT_EQ(before + 8 * 16, manager.size());
    EXPECT_EQ(16, manager.counters.loads);
    manager.unloadAll();
    for (const ResourcePtr& resource : held)
        EXPECT_EQ(Resource::Unloaded, resource->getState());
}
