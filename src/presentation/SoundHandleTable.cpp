#include "presentation/SoundHandleTable.h"

namespace {
// Spaced like aligned pointers so that a handle printed in a log reads as one.
constexpr std::uintptr_t handleStep = 16;
std::uintptr_t lastHandle = 0x1000;
} // namespace

std::unordered_map<std::uintptr_t, SoundHandleTable::Entry>& SoundHandleTable::entries() {
    static std::unordered_map<std::uintptr_t, Entry> table;
    return table;
}

std::uintptr_t SoundHandleTable::add(Kind kind, void* object, SoundSystem* owner) {
    lastHandle += handleStep;
    entries()[lastHandle] = Entry{kind, object, owner};
    return lastHandle;
}

void SoundHandleTable::remove(std::uintptr_t handle) {
    entries().erase(handle);
}

const SoundHandleTable::Entry* SoundHandleTable::lookup(std::uintptr_t handle, Kind kind) {
    auto found = entries().find(handle);
    if (found == entries().end() || found->second.kind != kind)
        return nullptr;
    return &found->second;
}
