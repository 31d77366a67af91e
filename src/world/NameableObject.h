#pragma once

#include <map>
#include <string>

// Gives objects of kind T a name and keeps, per name, how many live T objects carry it. Names
// need not be unique; the counts only let freshName avoid names that are in use.
template <typename T> class NameableObject {
public:
    // An empty name is replaced by a fresh one.
    explicit NameableObject(const std::string& requested = std::string())
        : name(requested.empty() ? freshName() : requested) {
        ++counts()[name];
    }
    NameableObject(const NameableObject&) = delete;
    NameableObject& operator=(const NameableObject&) = delete;
    virtual ~NameableObject() {
        auto found = counts().find(name);
        if (found != counts().end() && --found->second == 0)
            counts().erase(found);
    }

    const std::string& getName() const { return name; }

    static unsigned nameCount(const std::string& candidate) {
        auto found = counts().find(candidate);
        return found == counts().end() ? 0 : found->second;
    }

    // Fresh names start with byte 0x01, which no data file writes, so they cannot clash with a
    // designer's names. The generator only grows: after "\x01z" comes "\x01{a".
    static std::string freshName() {
        std::string& generator = generatorText();
        do {
            char& last = generator.back();
            ++last;
            if (last > 'z') {
                generator.push_back('`');
                ++generator.back();
            }
        } while (nameCount(generator) != 0);
        return generator;
    }

private:
    static std::map<std::string, unsigned>& counts() {
        static std::map<std::string, unsigned> live;
        return live;
    }
    static std::string& generatorText() {
        static std::string generator = std::string("\x01") + "a";
        return generator;
    }

    std::string name;
};
