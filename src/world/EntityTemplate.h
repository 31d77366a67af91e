#pragma once

#include "core/ParamList.h"
#include "core/Resource.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class Component;
class Entity;
class TiXmlElement;

// A named recipe for an entity, read from an "EntityTemplate" element of a data file.
//
// A template keeps copies of what it inherited from its base templates, so a base that changes
// later reaches it only when it is reloaded. Prototypes are owned by the template, never attached
// to an entity, and live from the end of loading until unloading. Entities and components made
// from a template belong to the caller.
class EntityTemplate : public Resource {
public:
    enum CacheMode { CacheRequested = 0, CacheRefused = 1, CacheNotStated = 2 };

    struct ComponentEntry {
        std::unique_ptr<Component> prototype;
        CacheMode cacheMode = CacheNotStated;
        // Parameter name to value text.
        ParamList params;
        // Parameter name to the name of the variable that supplies its value.
        ParamList varParams;

        ComponentEntry() = default;
        // Copies the settings but not the prototype: a prototype is built for one template only.
        ComponentEntry(const ComponentEntry& other);
        ~ComponentEntry();
    };

    EntityTemplate(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    ~EntityTemplate() override;

    // A new entity named entityName (a fresh name when empty) with one component per entry,
    // variables taken from variables first and the template's default values second. Null when
    // the template is not loaded or failed to load. The caller owns the entity.
    Entity* createEntity(const std::string& entityName, const ParamList& variables);
    // Just the component of the given type, or null (not loaded, no such entry, an unresolved
    // variable or a factory error). The caller owns the component.
    Component* createComponent(const std::string& type, const ParamList& variables);

    const std::string& getFileHint() const { return fileHint; }
    void setFileHint(const std::string& hint) { fileHint = hint; }

    // Component type names in the order the entries were made (inherited ones first).
    std::vector<std::string> componentTypes() const;
    const ComponentEntry* findEntry(const std::string& type) const;
    const ParamList& getDefaultValues() const { return defaultValues; }
    const std::set<std::string>& getAncestors() const { return ancestors; }
    const std::vector<std::string>& getDirectories() const { return directories; }

protected:
    void loadImpl() override;
    void unloadImpl() override;

private:
    // Entries keep the order in which they were made so that instantiation is repeatable.
    struct Entries {
        std::vector<std::string> order;
        std::unordered_map<std::string, ComponentEntry> byType;

        ComponentEntry* find(const std::string& type);
        const ComponentEntry* find(const std::string& type) const;
        ComponentEntry& add(const std::string& type, const ComponentEntry& entry);
        void erase(const std::string& type);
        void clear();
    };

    void loadFrom(TiXmlElement* element, const std::vector<std::string>& fileDirectories);
    void inheritBases(TiXmlElement* element);
    void inherit(const EntityTemplate& base);
    void removeComponents(TiXmlElement* element);
    void readComponents(TiXmlElement* element, const std::vector<std::string>& fileDirectories);
    void buildPrototypes();
    void readDefaultValues(TiXmlElement* element);
    void addDirectory(const std::string& directory);

    // Null when the factory refuses; the reason is logged.
    Component* createFromFactory(const std::string& type, const ParamList& params) const;
    Component* instantiateEntry(const std::string& type, const ComponentEntry& entry,
                                const ParamList& variables, bool abandonOnUnresolved) const;
    bool resolveVariables(const std::string& type, const ComponentEntry& entry,
                          const ParamList& variables, ParamList& resolved) const;

    std::string errorPrefix() const;
    std::string warningPrefix() const;

    Entries components;
    ParamList defaultValues;
    std::set<std::string> ancestors;
    std::vector<std::string> directories;
    std::string fileHint;
};

typedef boost::shared_ptr<EntityTemplate> EntityTemplatePtr;
