#pragma once

#include "core/TypeName.h"
#include "core/myexception.h"

// Mixed in beside a manager's other bases: the one live T is reachable through getSingleton()
// from its construction until its destruction.
template <typename T> class Singleton {
public:
    static T& getSingleton() {
        if (!instance)
            throw myexception("Error: attempt to dereference singleton " + readableTypeName<T>() +
                              " when singleton is null.");
        return *static_cast<T*>(instance);
    }
    static T* getSingletonPtr() { return static_cast<T*>(instance); }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

protected:
    Singleton() {
        if (instance)
            throw myexception("Error: attempt to reconstruct singleton " + readableTypeName<T>() +
                              "!");
        // Kept as the base: T is not constructed yet, so it cannot be cast to T here.
        instance = this;
    }
    ~Singleton() { instance = nullptr; }

private:
    static inline Singleton<T>* instance = nullptr;
};
