#pragma once

#include "core/ResourceManager.h"
#include "core/Singleton.h"
#include "world/EntityTemplate.h"

#include <string>

class SceneNode;

// Owns every entity template, cached by template name. Needs the XmlFileManager, which indexes
// the "EntityTemplate" elements of the data files loaded after this manager exists.
class EntityTemplateManager : public ResourceManager, public Singleton<EntityTemplateManager> {
public:
    // Raises the singleton message for a second instance, and the XmlFileManager's dereference
    // message when there is none.
    EntityTemplateManager();
    ~EntityTemplateManager() override;

    // The template of that name, made unloaded when new; a non-empty hint becomes the file it is
    // looked for in first. Empty for an empty name. Loading is left to the caller.
    EntityTemplatePtr getTemplate(const std::string& name, const std::string& fileHint);
    // A new free node (default transform) carrying a new entity made from the template, or null
    // when the template yields no entity. The caller owns the node.
    SceneNode* instantiate(const std::string& name, const std::string& fileHint,
                           const std::string& entityName);

protected:
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override;
};
