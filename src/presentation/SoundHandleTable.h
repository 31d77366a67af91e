#pragma once

#include <cstdint>
#include <unordered_map>

class SoundSystem;

// Maps the opaque handles of the sound layer to live objects. Handle values count up and are
// never reused, so a handle kept after its object died finds nothing instead of a newcomer.
class SoundHandleTable {
public:
    enum class Kind { System, Sound, Channel, Group };

    // owner is the system the object belongs to (null for a system itself).
    static std::uintptr_t add(Kind kind, void* object, SoundSystem* owner);
    static void remove(std::uintptr_t handle);

    // The object behind handle if it is alive and of that kind, else null.
    template <typename T> static T* find(const void* handle, Kind kind, SoundSystem** owner) {
        const Entry* entry = lookup(reinterpret_cast<std::uintptr_t>(handle), kind);
        if (!entry)
            return nullptr;
        if (owner)
            *owner = entry->owner;
        return static_cast<T*>(entry->object);
    }
    template <typename Handle> static Handle* toHandle(std::uintptr_t handle) {
        return reinterpret_cast<Handle*>(handle);
    }

private:
    struct Entry {
        Kind kind;
        void* object;
        SoundSystem* owner;
    };
    static const Entry* lookup(std::uintptr_t handle, Kind kind);
    static std::unordered_map<std::uintptr_t, Entry>& entries();
};
