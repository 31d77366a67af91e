#pragma once

#include "core/ResourceManager.h"
#include "core/Singleton.h"
#include "world/SceneTemplate.h"

#include <string>

// Owns every scene template, cached by template name. Needs the XmlFileManager, which indexes
// the "SceneTemplate" elements of the data files loaded after this manager exists.
class SceneTemplateManager : public ResourceManager, public Singleton<SceneTemplateManager> {
public:
    SceneTemplateManager();
    ~SceneTemplateManager() override;

    // As EntityTemplateManager::getTemplate.
    SceneTemplatePtr getTemplate(const std::string& name, const std::string& fileHint);

protected:
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override;
};
