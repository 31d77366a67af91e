#pragma once

#include <set>

// Process-wide set of live T addresses, so that a holder of a raw pointer can ask whether the
// object still exists before using it. T inserts itself on construction and removes itself on
// destruction.
template <typename T> class PointerValidator {
public:
    static void add(const T* object) { live().insert(object); }
    static void remove(const T* object) { live().erase(object); }
    static bool isValid(const T* object) { return object && live().count(object) != 0; }

private:
    static std::set<const T*>& live() {
        static std::set<const T*> addresses;
        return addresses;
    }
};
