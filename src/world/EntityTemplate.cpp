#include "world/EntityTemplate.h"

#include "core/LogFile.h"
#include "core/myexception.h"
#include "world/Component.h"
#include "world/ComponentFactory.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/XmlElementLookup.h"
#include "world/XmlFile.h"
#include "world/XmlFileManager.h"
#include "world/XmlReading.h"

#include <tinyxml.h>

#include <algorithm>
#include <mutex>
#include <set>

namespace {

const char* const typeName = "EntityTemplate";

// Each base loads inside the load of the template that names it, so a long chain of bases is a
// deep recursion; past this depth the chain is cut rather than the stack exhausted.
const int maximumBaseDepth = 128;
int baseDepth = 0;

class BaseDepthGuard {
public:
    BaseDepthGuard() { ++baseDepth; }
    ~BaseDepthGuard() { --baseDepth; }
    BaseDepthGuard(const BaseDepthGuard&) = delete;
    BaseDepthGuard& operator=(const BaseDepthGuard&) = delete;
};

// The templates now reading their bases, outermost first: a base found here is a true cycle.
// Components built at load may load other templates; those start a chain of their own, since a
// template that is merely still building prototypes has finished reading what it hands down.
std::vector<const EntityTemplate*> baseChain;

class BaseChainGuard {
public:
    explicit BaseChainGuard(const EntityTemplate* reading) { baseChain.push_back(reading); }
    ~BaseChainGuard() { baseChain.pop_back(); }
    BaseChainGuard(const BaseChainGuard&) = delete;
    BaseChainGuard& operator=(const BaseChainGuard&) = delete;
};

class FreshChain {
public:
    FreshChain() { saved.swap(baseChain); }
    ~FreshChain() { saved.swap(baseChain); }
    FreshChain(const FreshChain&) = delete;
    FreshChain& operator=(const FreshChain&) = delete;

private:
    std::vector<const EntityTemplate*> saved;
};

bool onBaseChain(const EntityTemplate* candidate) {
    return std::find(baseChain.begin(), baseChain.end(), candidate) != baseChain.end();
}

std::string attributeOrEmpty(const TiXmlElement* element, const char* name, bool& present) {
    const char* value = element->Attribute(name);
    present = value != nullptr;
    return present ? std::string(value) : std::string();
}

// Asked of the type's registered prototype, the one sample every type has.
bool isFilenameParam(const ComponentFactory& factory, const std::string& type,
                     const std::string& name) {
    const Component* sample = factory.prototype(type);
    return sample && sample->isFilenameParam(name);
}

std::string errorText(const std::exception& error) {
    return error.what() ? std::string(error.what()) : std::string();
}

} // namespace

EntityTemplate::ComponentEntry::ComponentEntry(const ComponentEntry& other)
    : cacheMode(other.cacheMode), params(other.params), varParams(other.varParams) {}

EntityTemplate::ComponentEntry::~ComponentEntry() = default;

EntityTemplate::ComponentEntry* EntityTemplate::Entries::find(const std::string& type) {
    auto found = byType.find(type);
    return found == byType.end() ? nullptr : &found->second;
}

const EntityTemplate::ComponentEntry* EntityTemplate::Entries::find(const std::string& type) const {
    auto found = byType.find(type);
    return found == byType.end() ? nullptr : &found->second;
}

EntityTemplate::ComponentEntry& EntityTemplate::Entries::add(const std::string& type,
                                                             const ComponentEntry& entry) {
    order.push_back(type);
    return byType.emplace(type, entry).first->second;
}

void EntityTemplate::Entries::erase(const std::string& type) {
    byType.erase(type);
    for (auto it = order.begin(); it != order.end(); ++it) {
        if (*it == type) {
            order.erase(it);
            break;
        }
    }
}

void EntityTemplate::Entries::clear() {
    order.clear();
    byType.clear();
}

EntityTemplate::EntityTemplate(const std::string& name, ResourceHandle handle,
                               ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

EntityTemplate::~EntityTemplate() {
    unload();
}

std::vector<std::string> EntityTemplate::componentTypes() const {
    return components.order;
}

const EntityTemplate::ComponentEntry* EntityTemplate::findEntry(const std::string& type) const {
    return components.find(type);
}

std::string EntityTemplate::errorPrefix() const {
    return std::string("Error: Loading ") + typeName + " " + getName();
}

std::string EntityTemplate::warningPrefix() const {
    return std::string("Warning: Loading ") + typeName + " " + getName();
}

void EntityTemplate::loadImpl() {
    setLoadFailed(false);
    XmlElementLookup found(typeName, *this, fileHint);
    if (!found)
        return;
    loadFrom(found.getElement(), found.getFile()->getSearchDirectories());
    writeXmlLog(std::string("Loaded ") + typeName + " " + getName() + ".", LogFile::Information);
}

void EntityTemplate::loadFrom(TiXmlElement* element,
                              const std::vector<std::string>& fileDirectories) {
    for (const std::string& directory : fileDirectories)
        addDirectory(directory);
    {
        BaseChainGuard reading(this);
        inheritBases(element);
    }
    removeComponents(element);
    readComponents(element, fileDirectories);
    if (!element->FirstChildElement("Component"))
        writeXmlLog(warningPrefix() + positionText(element) + ": no components were found.",
                    LogFile::Important);
    // Default values come before the prototypes: a component built now may load a template
    // derived from this one (an explosion does), which then inherits whatever is read so far.
    readDefaultValues(element);
    FreshChain building;
    buildPrototypes();
}

void EntityTemplate::inheritBases(TiXmlElement* element) {
    EntityTemplateManager& manager = EntityTemplateManager::getSingleton();
    std::set<std::string> seen;
    for (TiXmlElement* child = element->FirstChildElement("BaseTemplate"); child;
         child = child->NextSiblingElement("BaseTemplate")) {
        std::string where = errorPrefix() + positionText(child);
        bool present = false;
        std::string baseName = attributeOrEmpty(child, "name", present);
        if (!present || baseName.empty()) {
            writeXmlLog(where + ": name attribute missing from BaseTemplate.", LogFile::Important);
            continue;
        }
        if (!seen.insert(baseName).second) {
            writeXmlLog(where + ": duplicate name attribute " + baseName + " of BaseTemplate.",
                        LogFile::Important);
            continue;
        }
        if (baseDepth >= maximumBaseDepth) {
            writeXmlLog(where + ": base templates nested more than " +
                            std::to_string(maximumBaseDepth) + " deep.",
                        LogFile::Important);
            continue;
        }
        EntityTemplatePtr base = manager.getTemplate(baseName, "");
        if (!base)
            continue;
        if (onBaseChain(base.get())) {
            writeXmlLog(where + ": template defined as base template of itself.",
                        LogFile::Important);
            continue;
        }
        {
            BaseDepthGuard nested;
            base->load();
        }
        if (base->loadFailed()) {
            manager.remove(base->getHandle());
            continue;
        }
        if (base->ancestors.count(getName())) {
            writeXmlLog(where + ": template defined as base template of itself.",
                        LogFile::Important);
            continue;
        }
        inherit(*base);
    }
}

void EntityTemplate::inherit(const EntityTemplate& base) {
    for (const std::string& type : base.components.order) {
        const ComponentEntry& inherited = *base.components.find(type);
        ComponentEntry* own = components.find(type);
        if (!own) {
            components.add(type, inherited);
            continue;
        }
        for (const auto& param : inherited.params)
            own->params.set(param.first, param.second);
        for (const auto& param : inherited.varParams)
            own->varParams.set(param.first, param.second);
        if (inherited.cacheMode != CacheNotStated)
            own->cacheMode = inherited.cacheMode;
    }
    ancestors.insert(base.getName());
    ancestors.insert(base.ancestors.begin(), base.ancestors.end());
    for (const auto& value : base.defaultValues)
        defaultValues.set(value.first, value.second);
    for (const std::string& directory : base.directories)
        addDirectory(directory);
}

void EntityTemplate::removeComponents(TiXmlElement* element) {
    std::set<std::string> seen;
    for (TiXmlElement* child = element->FirstChildElement("RemComponent"); child;
         child = child->NextSiblingElement("RemComponent")) {
        std::string where = positionText(child);
        bool present = false;
        std::string type = attributeOrEmpty(child, "type", present);
        if (!present) {
            writeXmlLog(errorPrefix() + where + ": type attribute missing from RemComponent.",
                        LogFile::Important);
            continue;
        }
        if (!seen.insert(type).second) {
            writeXmlLog(errorPrefix() + where + ": duplicate type attribute " + type +
                            " of RemComponent.",
                        LogFile::Important);
            continue;
        }
        if (!components.find(type)) {
            writeXmlLog(warningPrefix() + where + ": removing component " + type +
                            " when component was not inherited from base templates.",
                        LogFile::Important);
            continue;
        }
        components.erase(type);
    }
}

void EntityTemplate::readComponents(TiXmlElement* element,
                                    const std::vector<std::string>& fileDirectories) {
    ComponentFactory& factory = ComponentFactory::getSingleton();
    std::set<std::string> seen;
    for (TiXmlElement* child = element->FirstChildElement("Component"); child;
         child = child->NextSiblingElement("Component")) {
        std::string where = errorPrefix() + positionText(child);
        bool present = false;
        std::string type = attributeOrEmpty(child, "type", present);
        if (!present) {
            writeXmlLog(where + ": type attribute missing from Component.", LogFile::Important);
            continue;
        }
        if (!seen.insert(type).second) {
            writeXmlLog(where + ": duplicate type attribute " + type + " of Component.",
                        LogFile::Important);
            continue;
        }
        if (!factory.isRegistered(type)) {
            writeXmlLog(where + ": component " + type + " is not registered with factory.",
                        LogFile::Important);
            continue;
        }
        ComponentEntry* entry = components.find(type);
        if (!entry)
            entry = &components.add(type, ComponentEntry());

        ParamList params, varParams;
        readParamsAndVarParams(child, errorPrefix(), params, varParams);
        for (const auto& param : params)
            entry->params.set(param.first, param.second);
        for (const auto& param : varParams)
            entry->varParams.set(param.first, param.second);

        if (const char* cache = child->Attribute("cache")) {
            std::string text(cache);
            if (text == "true")
                entry->cacheMode = CacheRequested;
            else if (text == "false")
                entry->cacheMode = CacheRefused;
        }

        for (const auto& param : entry->params) {
            if (!isFilenameParam(factory, type, param.first))
                continue;
            try {
                entry->params.set(param.first, resolveFile(param.second, fileDirectories));
            } catch (const myexception&) {
                writeXmlLog("Error: unable to resolve filename from Param " + param.first +
                                " of component " + type + " when trying to load entity template " +
                                getName() + ".",
                            LogFile::Important);
            }
        }
    }
}

void EntityTemplate::buildPrototypes() {
    for (const std::string& type : components.order) {
        ComponentEntry& entry = *components.find(type);
        if (entry.cacheMode != CacheRefused && entry.varParams.empty())
            entry.prototype.reset(createFromFactory(type, entry.params));
    }
}

void EntityTemplate::readDefaultValues(TiXmlElement* element) {
    ParamList own;
    readParams("DefaultValue", element, errorPrefix(), own);
    for (const auto& value : own)
        defaultValues.set(value.first, value.second);
}

void EntityTemplate::addDirectory(const std::string& directory) {
    for (const std::string& known : directories)
        if (known == directory)
            return;
    directories.push_back(directory);
}

void EntityTemplate::unloadImpl() {
    components.clear();
    defaultValues = ParamList();
    ancestors.clear();
    directories.clear();
}

Component* EntityTemplate::createFromFactory(const std::string& type,
                                             const ParamList& params) const {
    try {
        return ComponentFactory::getSingleton().create(type, params);
    } catch (const std::exception& error) {
        std::string text = errorText(error);
        if (!text.empty()) {
            writeXmlLog("Error instantiating component " + type +
                            " from factory when trying to load entity template " + getName() +
                            ": " + text,
                        LogFile::Important);
            return nullptr;
        }
    } catch (...) {
    }
    writeXmlLog("Unknown error instantiating component " + type +
                    " from factory when trying to load entity template " + getName() + ".",
                LogFile::Important);
    return nullptr;
}

bool EntityTemplate::resolveVariables(const std::string& type, const ComponentEntry& entry,
                                      const ParamList& variables, ParamList& resolved) const {
    ComponentFactory& factory = ComponentFactory::getSingleton();
    std::string prefix = "Error, Creating EntityTemplate " + getName() + ": ";
    bool complete = true;
    resolved = entry.params;
    for (const auto& varParam : entry.varParams) {
        const std::string& parameter = varParam.first;
        const std::string& variable = varParam.second;
        std::string value;
        if (variables.get(variable, value) != ParamList::Found &&
            defaultValues.get(variable, value) != ParamList::Found) {
            writeXmlLog(prefix + "unable to resolve VarParam " + variable + " for parameter " +
                            parameter + " of component " + type + ".",
                        LogFile::Important);
            complete = false;
            continue;
        }
        if (isFilenameParam(factory, type, parameter)) {
            try {
                value = resolveFile(value, directories);
            } catch (const myexception&) {
                writeXmlLog(prefix + "unable to resolve filename from VarParam " + variable +
                                " for parameter " + parameter + " of component " + type + ".",
                            LogFile::Important);
                continue;
            }
        }
        resolved.set(parameter, value);
    }
    return complete;
}

Component* EntityTemplate::instantiateEntry(const std::string& type, const ComponentEntry& entry,
                                            const ParamList& variables,
                                            bool abandonOnUnresolved) const {
    if (entry.prototype) {
        std::string prefix = "Error, Creating EntityTemplate " + getName() +
                             ": cannot instantiate component " + type;
        try {
            return entry.prototype->clone();
        } catch (const std::exception& error) {
            std::string text = errorText(error);
            if (!text.empty()) {
                writeXmlLog(prefix + ": " + text, LogFile::Important);
                return nullptr;
            }
        } catch (...) {
        }
        writeXmlLog(prefix + ".", LogFile::Important);
        return nullptr;
    }
    ParamList resolved;
    if (!resolveVariables(type, entry, variables, resolved) && abandonOnUnresolved)
        return nullptr;
    return createFromFactory(type, resolved);
}

Entity* EntityTemplate::createEntity(const std::string& entityName, const ParamList& variables) {
    std::lock_guard<boost::recursive_mutex> lock(getMutex());
    if (getState() != Loaded || loadFailed())
        return nullptr;
    XmlFileManager* files = XmlFileManager::getSingletonPtr();
    if (!files || !files->getLog())
        throw myexception("creating entity after XmlFileManager shut down.");

    std::vector<Component*> made;
    for (const std::string& type : components.order) {
        if (Component* component = instantiateEntry(type, *components.find(type), variables, false))
            made.push_back(component);
    }
    Entity* entity = new Entity(entityName);
    entity->addComponents(made);
    return entity;
}

Component* EntityTemplate::createComponent(const std::string& type, const ParamList& variables) {
    std::lock_guard<boost::recursive_mutex> lock(getMutex());
    if (getState() != Loaded || loadFailed())
        return nullptr;
    const ComponentEntry* entry = components.find(type);
    if (!entry)
        return nullptr;
    return instantiateEntry(type, *entry, variables, true);
}
