#include "core/ParamList.h"

const std::string& ParamList::getText(const std::string& name) const {
    static const std::string empty;
    auto found = values.find(name);
    return found == values.end() ? empty : found->second;
}

const std::string& ParamList::getTextStrict(const std::string& name) const {
    auto found = values.find(name);
    if (found == values.end())
        throw myexception("Could not find parameter '" + name + "'");
    return found->second;
}
