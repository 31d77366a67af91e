#pragma once

#include <string>
#include <typeinfo>

// Readable name of a type, used in singleton and conversion messages.
std::string readableTypeName(const std::type_info& type);

template <typename T> std::string readableTypeName() {
    return readableTypeName(typeid(T));
}
