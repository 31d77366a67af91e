#pragma once

#include "world/Component.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

// A set of non-owning pointers to components of one kind, with constant-time insert, erase and
// lookup, walked in a stable order: the order only changes when an element is erased (the last
// element takes its place). Elements are keyed by their Component address, taken while they are
// whole, so that a component can be erased from inside its own destruction, when it can no
// longer be converted.
template <typename T> class ComponentSet {
public:
    static constexpr std::uint32_t npos = UINT32_MAX;

    bool insert(T* item) {
        const Component* key = item;
        if (!item || positions.count(key))
            return false;
        positions.emplace(key, static_cast<std::uint32_t>(items.size()));
        items.push_back(item);
        return true;
    }

    // The element that was erased, or null; it is not dereferenced.
    T* erase(const Component* key) {
        auto found = positions.find(key);
        if (found == positions.end())
            return nullptr;
        const std::uint32_t position = found->second;
        positions.erase(found);
        T* erased = items[position];
        T* last = items.back();
        items.pop_back();
        if (position < items.size()) {
            items[position] = last;
            positions[last] = position;
        }
        return erased;
    }

    bool contains(const Component* key) const { return positions.count(key) != 0; }
    std::uint32_t indexOf(const Component* key) const {
        auto found = positions.find(key);
        return found == positions.end() ? npos : found->second;
    }
    std::size_t size() const { return items.size(); }
    bool empty() const { return items.empty(); }
    T* operator[](std::size_t position) const { return items[position]; }
    const std::vector<T*>& all() const { return items; }

private:
    std::vector<T*> items;
    std::unordered_map<const Component*, std::uint32_t> positions;
};
