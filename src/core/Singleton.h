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
        return *instance;
    }
    static T* getSingletonPtr() { return instance; }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

protected:
    Singleton() {
        if (instance)
            throw myexception("Error: attempt to reconstruct singleton " + readableTypeName<T>() +
                              "!");
        instance = static_cast<T*>(this);
    }
    ~Singleton() { instance = nullptr; }

private:
    static inline T* instance = nullptr;
};
