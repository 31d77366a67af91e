#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// A named node of the mixing tree. A channel's gain is its own volume times the volume of every
// group from its own up to the master; a pause anywhere on that path holds it.
class SoundChannelGroup {
public:
    explicit SoundChannelGroup(std::string name) : name(std::move(name)) {}

    std::uintptr_t getHandle() const { return handle; }
    void setHandle(std::uintptr_t newHandle) { handle = newHandle; }
    const std::string& getName() const { return name; }

    float volume = 1.0f;
    bool paused = false;

    SoundChannelGroup* getParent() const { return parent; }
    const std::vector<SoundChannelGroup*>& getChildren() const { return children; }
    void setParent(SoundChannelGroup* newParent) {
        if (parent)
            parent->children.erase(
                std::remove(parent->children.begin(), parent->children.end(), this),
                parent->children.end());
        parent = newParent;
        if (parent)
            parent->children.push_back(this);
    }
    // Whether this group is other or lies below it.
    bool isWithin(const SoundChannelGroup* other) const {
        for (const SoundChannelGroup* group = this; group; group = group->parent)
            if (group == other)
                return true;
        return false;
    }
    float mixVolume() const {
        float product = 1.0f;
        for (const SoundChannelGroup* group = this; group; group = group->parent)
            product *= group->volume;
        return product;
    }
    bool mixPaused() const {
        for (const SoundChannelGroup* group = this; group; group = group->parent)
            if (group->paused)
                return true;
        return false;
    }

private:
    std::string name;
    std::uintptr_t handle = 0;
    SoundChannelGroup* parent = nullptr;
    std::vector<SoundChannelGroup*> children;
};
