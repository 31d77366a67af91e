#include "world/SceneTemplate.h"

#include "core/LogFile.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlElementLookup.h"
#include "world/XmlFile.h"
#include "world/XmlReading.h"

#include <tinyxml.h>

#include <cmath>
#include <mutex>
#include <sstream>

namespace {

const char* const typeName = "SceneTemplate";

// Includes may repeat a template at several offsets, so a few levels of nesting can multiply into
// more nodes than memory holds; one instantiation stops here instead.
const std::size_t maximumNodesPerInstantiation = 100000;

// Each included template loads inside the load of the one that includes it; past this depth the
// chain is cut rather than the stack exhausted.
const int maximumLoadDepth = 128;
int loadDepth = 0;

class LoadDepthGuard {
public:
    LoadDepthGuard() { ++loadDepth; }
    ~LoadDepthGuard() { --loadDepth; }
    LoadDepthGuard(const LoadDepthGuard&) = delete;
    LoadDepthGuard& operator=(const LoadDepthGuard&) = delete;
};

// Loading refuses includes that would form a cycle and cuts deep chains; this bounds the nesting
// of an instantiation anyway, so that no sequence of reloads can make it recurse without end.
const int maximumIncludeDepth = maximumLoadDepth + 1;

// Shared by the nested calls of one instantiation.
struct InstantiationBudget {
    std::size_t built = 0;
    bool reported = false;
    int depth = 0;
};
InstantiationBudget budget;

class NestingGuard {
public:
    NestingGuard() {
        if (budget.depth == 0)
            budget = InstantiationBudget();
        ++budget.depth;
    }
    ~NestingGuard() { --budget.depth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

void reportLimit(const std::string& name, const std::string& problem) {
    if (!budget.reported)
        writeXmlLog("Error: instantiating SceneTemplate " + name + ": " + problem,
                    LogFile::Important);
    budget.reported = true;
}

bool isFinite(const Vector2& v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}

void readVectorAttribute(const TiXmlElement* element, const char* name, Vector2& destination) {
    if (const char* text = element->Attribute(name))
        SceneTemplate::readVector(text, destination);
}

void readOrientationAttribute(const TiXmlElement* element, const char* name, Vector2& destination) {
    if (const char* text = element->Attribute(name))
        SceneTemplate::readOrientation(text, destination);
}

void readBoolAttribute(const TiXmlElement* element, const char* name, bool& destination) {
    const char* text = element->Attribute(name);
    if (!text)
        return;
    std::string value(text);
    if (value == "true")
        destination = true;
    else if (value == "false")
        destination = false;
}

bool isIdentity(const Vector2& position, const Vector2& orientation, const Vector2& scale) {
    return position == Vector2(0.0, 0.0) && orientation == Vector2(1.0, 0.0) &&
           scale == Vector2(1.0, 1.0);
}

} // namespace

SceneTemplate::SceneTemplate(const std::string& name, ResourceHandle handle,
                             ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

SceneTemplate::~SceneTemplate() {
    unload();
}

bool SceneTemplate::readVector(const std::string& text, Vector2& destination) {
    std::istringstream stream(text);
    Vector2 value;
    stream >> value;
    if (stream.fail() || !isFinite(value))
        return false;
    destination = value;
    return true;
}

bool SceneTemplate::readOrientation(const std::string& text, Vector2& destination) {
    Vector2 value;
    std::istringstream stream(text);
    double angle = 0.0;
    if (stream >> angle) {
        if (!std::isfinite(angle))
            return false;
        value = Vector2::fromAngle(angle);
    } else if (!readVector(text, value)) {
        return false;
    }
    // hypot keeps the length finite for huge components, where squaring would overflow.
    double length = std::hypot(value.x, value.y);
    if (!(length > 0.0) || !std::isfinite(length))
        return false;
    destination = Vector2(value.x / length, value.y / length);
    return true;
}

bool SceneTemplate::readSpace(const std::string& text, SceneNode::TransformSpace& destination) {
    std::istringstream stream(text);
    SceneNode::TransformSpace value = destination;
    if (!(stream >> value))
        return false;
    destination = value;
    return true;
}

std::string SceneTemplate::errorPrefix() const {
    return std::string("Error: Loading ") + typeName + " " + getName();
}

void SceneTemplate::loadImpl() {
    setLoadFailed(false);
    XmlElementLookup found(typeName, *this, fileHint);
    if (!found)
        return;
    TiXmlElement* element = found.getElement();
    inlineFlag = false;
    readBoolAttribute(element, "inline", inlineFlag);
    for (TiXmlElement* child = element->FirstChildElement("SceneNode"); child;
         child = child->NextSiblingElement("SceneNode"))
        readNode(child);
    for (TiXmlElement* child = element->FirstChildElement("SceneTemplate"); child;
         child = child->NextSiblingElement("SceneTemplate"))
        readInclude(child);
    writeXmlLog(std::string("Loaded ") + typeName + " " + getName() + ".", LogFile::Information);
}

void SceneTemplate::readNode(TiXmlElement* element) {
    std::size_t index = nodes.size();
    nodes.emplace_back();
    {
        NodeDescription& description = nodes[index];
        readVectorAttribute(element, "pos", description.pos);
        readOrientationAttribute(element, "ori", description.ori);
        readVectorAttribute(element, "scl", description.scl);
        readBoolAttribute(element, "inheritOri", description.inheritOri);
        readBoolAttribute(element, "inheritScl", description.inheritScl);
        if (const char* space = element->Attribute("space"))
            readSpace(space, description.space);
        readNodeEntity(element, description);
    }
    // Nested reads grow the vector, so the description is found by index again afterwards.
    std::size_t childCount = 0;
    for (TiXmlElement* child = element->FirstChildElement("SceneNode"); child;
         child = child->NextSiblingElement("SceneNode")) {
        readNode(child);
        ++childCount;
    }
    nodes[index].childCount = childCount;
}

void SceneTemplate::readNodeEntity(TiXmlElement* element, NodeDescription& description) {
    TiXmlElement* entity = element->FirstChildElement("EntityTemplate");
    if (!entity)
        return;
    const char* templateName = entity->Attribute("template");
    if (!templateName) {
        writeXmlLog(std::string("Error: Loading ") + typeName + " " + positionText(entity) +
                        ": template attribute missing from EntityTemplate.",
                    LogFile::Important);
        return;
    }
    EntityTemplateManager& manager = EntityTemplateManager::getSingleton();
    EntityTemplatePtr entityTemplate = manager.getTemplate(templateName, "");
    if (entityTemplate) {
        entityTemplate->load();
        if (entityTemplate->loadFailed()) {
            manager.remove(entityTemplate->getHandle());
            entityTemplate.reset();
        }
    }
    description.entityTemplate = entityTemplate;
    if (const char* name = entity->Attribute("name"))
        description.entityName = name;
    readParams("Param", entity, errorPrefix(), description.variables);
}

void SceneTemplate::readInclude(TiXmlElement* element) {
    std::string where = errorPrefix() + positionText(element);
    const char* name = element->Attribute("name");
    if (!name || !*name) {
        writeXmlLog(where + ": name attribute missing from SceneTemplate.", LogFile::Important);
        return;
    }
    SceneTemplateManager& manager = SceneTemplateManager::getSingleton();
    if (loadDepth >= maximumLoadDepth) {
        writeXmlLog(where + ": included templates nested more than " +
                        std::to_string(maximumLoadDepth) + " deep.",
                    LogFile::Important);
        return;
    }
    SceneTemplatePtr target = manager.getTemplate(name, "");
    if (!target)
        return;
    {
        LoadDepthGuard nested;
        target->load();
    }
    if (target->loadFailed()) {
        manager.remove(target->getHandle());
        return;
    }
    // A target still loading is further up this chain of loads, so it includes this one.
    if (target.get() == this || target->getState() == Loading ||
        target->included.count(getName())) {
        writeXmlLog(where + ": template included within itself.", LogFile::Important);
        return;
    }
    included.insert(target->getName());
    included.insert(target->included.begin(), target->included.end());
    Include include;
    include.target = target;
    readVectorAttribute(element, "pos", include.pos);
    readOrientationAttribute(element, "ori", include.ori);
    readVectorAttribute(element, "scl", include.scl);
    includes.push_back(include);
}

void SceneTemplate::unloadImpl() {
    nodes.clear();
    includes.clear();
    included.clear();
    inlineFlag = false;
}

std::size_t SceneTemplate::buildNode(std::size_t index, SceneNode* parent,
                                     SceneNode*& built) const {
    const NodeDescription& description = nodes[index];
    SceneNode* node;
    if (!parent) {
        node = new SceneNode(description.pos, description.ori, description.scl);
        node->setInheritOri(description.inheritOri);
        node->setInheritScl(description.inheritScl);
    } else {
        node = new SceneNode();
        parent->addChild(node);
        // The flags go between position and the rest: a world position is always reached
        // through the parent's turn and scale, whatever the flags, while a world orientation or
        // scale is reached through the parent's only when the node inherits it. Setting the flags
        // first or last would misplace one or the other for a node that does not inherit.
        node->setPosition(description.pos, description.space);
        node->setInheritOri(description.inheritOri);
        node->setInheritScl(description.inheritScl);
        node->setOrientation(description.ori, description.space);
        node->setScale(description.scl, description.space);
    }
    ++budget.built;

    if (description.entityTemplate) {
        try {
            description.entityTemplate->load();
            Entity* entity = description.entityTemplate->createEntity(description.entityName,
                                                                      description.variables);
            if (entity && !node->bindEntity(entity))
                delete entity;
        } catch (...) {
            writeXmlLog("Error creating entity for scene.", LogFile::Important);
        }
    }

    std::size_t next = index + 1;
    for (std::size_t child = 0; child < description.childCount; ++child) {
        SceneNode* childNode = nullptr;
        next = buildNode(next, node, childNode);
    }
    built = node;
    return next;
}

void SceneTemplate::instantiate(std::vector<SceneNode*>& roots, const Vector2& position,
                                const Vector2& orientation, const Vector2& scale) {
    std::lock_guard<boost::recursive_mutex> lock(getMutex());
    if (getState() != Loaded || loadFailed())
        return;
    NestingGuard nesting;
    if (budget.depth > maximumIncludeDepth) {
        reportLimit(getName(), "included templates nest too deeply; the rest are left out.");
        return;
    }

    bool placed = !isIdentity(position, orientation, scale);
    std::size_t index = 0;
    while (index < nodes.size()) {
        if (budget.built >= maximumNodesPerInstantiation) {
            reportLimit(getName(), "more than " + std::to_string(maximumNodesPerInstantiation) +
                                       " nodes; the rest are left out.");
            break;
        }
        SceneNode* root = nullptr;
        index = buildNode(index, nullptr, root);
        if (placed) {
            root->setPosition(root->getPosition() + position, SceneNode::Parent);
            root->rotate(orientation);
            root->setScale(root->getScale().scaledBy(scale), SceneNode::Parent);
        }
        roots.push_back(root);
    }

    for (const Include& include : includes) {
        include.target->load();
        if (include.target->loadFailed())
            continue;
        include.target->instantiate(roots, position + include.pos,
                                    orientation.rotatedBy(include.ori),
                                    scale.scaledBy(include.scl));
    }
}

SceneNode* SceneTemplate::instantiateInScene(SceneManager* scene, const Vector2& position,
                                             const Vector2& orientation, const Vector2& scale) {
    if (!scene)
        return nullptr;
    std::lock_guard<boost::recursive_mutex> lock(getMutex());
    std::vector<SceneNode*> roots;
    instantiate(roots, position, orientation, scale);
    for (SceneNode* root : roots)
        scene->addNode(root);
    return roots.empty() ? nullptr : roots.front();
}

SceneNode* SceneTemplate::instantiateUnder(SceneNode* parent, const Vector2& position,
                                           const Vector2& orientation, const Vector2& scale) {
    if (!parent)
        return nullptr;
    std::lock_guard<boost::recursive_mutex> lock(getMutex());
    std::vector<SceneNode*> roots;
    instantiate(roots, position, orientation, scale);
    for (SceneNode* root : roots)
        parent->addChild(root);
    return roots.empty() ? nullptr : roots.front();
}
