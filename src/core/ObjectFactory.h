#pragma once

#include "core/ParamList.h"
#include "core/myexception.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// Creates objects by type name from registered prototypes. The factory owns its prototypes.
// Base must offer getType(), createNew(const ParamList&) and a prototype copy (see storedCopy).
template <typename Base> class ObjectFactory {
public:
    virtual ~ObjectFactory() = default;

    // The first registration of a name wins; the caller keeps and destroys its own prototype.
    void registerType(const Base& prototype) {
        const std::string& name = prototype.getType();
        if (prototypes.count(name))
            return;
        prototypes.emplace(name, std::unique_ptr<Base>(storedCopy(prototype)));
    }

    bool isRegistered(const std::string& name) const { return prototypes.count(name) != 0; }

    std::vector<std::string> registeredNames() const {
        std::vector<std::string> names;
        for (const auto& entry : prototypes)
            names.push_back(entry.first);
        return names;
    }

    // The registered prototype of that name, or null; it stays owned by the factory.
    const Base* prototype(const std::string& name) const {
        auto found = prototypes.find(name);
        return found == prototypes.end() ? nullptr : found->second.get();
    }

    // The caller owns the new object.
    Base* create(const std::string& name, const ParamList& params) const {
        auto found = prototypes.find(name);
        if (found == prototypes.end())
            throw myexception("Unregistered factory type " + name + ".");
        Base* created = found->second->createNew(params);
        if (!created)
            throw myexception("Create function returned null for type " + name + ".");
        return created;
    }

protected:
    virtual Base* storedCopy(const Base& prototype) const = 0;

private:
    std::map<std::string, std::unique_ptr<Base>> prototypes;
};
