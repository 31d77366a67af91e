#pragma once

#include "core/ResourceManager.h"
#include "core/Singleton.h"
#include "world/EventScript.h"

#include <string>

// Owns every event script, cached by script name. Needs the XmlFileManager, which indexes the
// "EventScript" elements of the data files loaded after this manager exists.
class EventScriptManager : public ResourceManager, public Singleton<EventScriptManager> {
public:
    EventScriptManager();
    ~EventScriptManager() override;

    // As EntityTemplateManager::getTemplate.
    EventScriptPtr getTemplate(const std::string& name, const std::string& fileHint);

protected:
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override;
};
