#pragma once

#include "core/ParamList.h"

#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

// From "name=value" pairs separated by spaces.
inline ParamList paramList(const std::string& pairs) {
    ParamList list;
    std::istringstream words(pairs);
    for (std::string word; words >> word;)
        list.set(word.substr(0, word.find('=')), word.substr(word.find('=') + 1));
    return list;
}

// From name-value pairs, for values that may hold spaces.
inline ParamList params(std::initializer_list<std::pair<std::string, std::string>> values) {
    ParamList list;
    for (const auto& [name, value] : values)
        list.set(name, value);
    return list;
}
