#pragma once

#include "core/ParamList.h"
#include "core/Resource.h"
#include "core/Vector2.h"
#include "world/EntityTemplate.h"
#include "world/SceneNode.h"

#include <boost/shared_ptr.hpp>

#include <set>
#include <string>
#include <vector>

class SceneManager;
class TiXmlElement;

// A small tree of scene nodes, each optionally carrying an entity made from an entity template,
// plus other scene templates included at an offset. Read from a "SceneTemplate" element.
//
// Each instantiation makes new nodes and entities that belong to the caller (or to the scene they
// are added to); nothing links them back to the template.
class SceneTemplate : public Resource {
public:
    struct NodeDescription {
        Vector2 pos{0.0, 0.0};
        Vector2 ori{1.0, 0.0};
        Vector2 scl{1.0, 1.0};
        SceneNode::TransformSpace space = SceneNode::Parent;
        bool inheritOri = true;
        bool inheritScl = true;
        EntityTemplatePtr entityTemplate;
        std::string entityName;
        ParamList variables;
        // Number of direct child descriptions; they follow this one in pre-order.
        std::size_t childCount = 0;
    };

    struct Include {
        boost::shared_ptr<SceneTemplate> target;
        Vector2 pos{0.0, 0.0};
        Vector2 ori{1.0, 0.0};
        Vector2 scl{1.0, 1.0};
    };

    SceneTemplate(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    ~SceneTemplate() override;

    // Builds the nodes placed at (position, orientation, scale) and appends every top-level node,
    // this template's first and then those of its includes, to roots. The caller owns them.
    void instantiate(std::vector<SceneNode*>& roots, const Vector2& position,
                     const Vector2& orientation, const Vector2& scale);
    // Adds every new top-level node to the scene; returns the first, or null.
    SceneNode* instantiateInScene(SceneManager* scene, const Vector2& position,
                                  const Vector2& orientation, const Vector2& scale);
    // Attaches every new top-level node under parent; returns the first, or null.
    SceneNode* instantiateUnder(SceneNode* parent, const Vector2& position,
                                const Vector2& orientation, const Vector2& scale);

    const std::string& getFileHint() const { return fileHint; }
    void setFileHint(const std::string& hint) { fileHint = hint; }
    bool isInline() const { return inlineFlag; }
    const std::vector<NodeDescription>& getNodes() const { return nodes; }
    const std::vector<Include>& getIncludes() const { return includes; }
    const std::set<std::string>& getIncluded() const { return included; }

    // Text forms shared with the data that places templates at run time. Each answers false and
    // leaves the destination alone when the text is not readable. A vector is "(x,y)" with any
    // three non-blank separators; an orientation is an angle in radians or, when the text does
    // not start with a number, a vector, normalised to unit length (a zero vector is unreadable).
    static bool readVector(const std::string& text, Vector2& destination);
    static bool readOrientation(const std::string& text, Vector2& destination);
    static bool readSpace(const std::string& text, SceneNode::TransformSpace& destination);

protected:
    void loadImpl() override;
    void unloadImpl() override;

private:
    void readNode(TiXmlElement* element);
    void readNodeEntity(TiXmlElement* element, NodeDescription& description);
    void readInclude(TiXmlElement* element);
    // Builds nodes[index] and its subtree; returns the index after the subtree.
    std::size_t buildNode(std::size_t index, SceneNode* parent, SceneNode*& built) const;
    std::string errorPrefix() const;

    std::vector<NodeDescription> nodes;
    std::vector<Include> includes;
    std::set<std::string> included;
    bool inlineFlag = false;
    std::string fileHint;
};

typedef boost::shared_ptr<SceneTemplate> SceneTemplatePtr;
