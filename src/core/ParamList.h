#pragma once

#include "core/TypeName.h"
#include "core/myexception.h"

#include <map>
#include <sstream>
#include <string>

// Named text parameters of a component or factory event, with typed lookups.
class ParamList {
public:
    enum Status { Found = 0, NotConvertible = 1, NotFound = 2 };

    void set(const std::string& name, const std::string& value) { values[name] = value; }
    bool has(const std::string& name) const { return values.count(name) != 0; }
    void erase(const std::string& name) { values.erase(name); }
    bool empty() const { return values.empty(); }
    std::size_t size() const { return values.size(); }
    const std::map<std::string, std::string>& all() const { return values; }
    std::map<std::string, std::string>::const_iterator begin() const { return values.begin(); }
    std::map<std::string, std::string>::const_iterator end() const { return values.end(); }

    // On NotFound the destination is left alone, so optional parameters keep their defaults.
    template <typename T> Status get(const std::string& name, T& destination) const {
        auto found = values.find(name);
        if (found == values.end())
            return NotFound;
        return convert(found->second, destination) ? Found : NotConvertible;
    }

    // Raises unless the parameter is present and converts. context is usually the object's type.
    template <typename T>
    void getRequired(const std::string& name, T& destination, const std::string& context) const {
        Status status = get(name, destination);
        if (status == Found)
            return;
        std::string prefix = context.empty() ? std::string() : context + " ";
        if (status == NotFound)
            throw myexception(prefix + "Could not find parameter '" + name + "'");
        throw myexception(prefix + "Unable to convert parameter '" + name + "' to " +
                          readableTypeName<T>());
    }

    // Empty text when missing.
    const std::string& getText(const std::string& name) const;
    // Raises "Could not find parameter '<name>'" when missing.
    const std::string& getTextStrict(const std::string& name) const;

private:
    static bool convert(const std::string& text, std::string& destination) {
        destination = text;
        return true;
    }
    static bool convert(const std::string& text, bool& destination) {
        destination = text == "true";
        return true;
    }
    template <typename T> static bool convert(const std::string& text, T& destination) {
        std::istringstream stream(text);
        T value{};
        stream >> value;
        if (stream.fail())
            return false;
        destination = value;
        return true;
    }

    std::map<std::string, std::string> values;
};
