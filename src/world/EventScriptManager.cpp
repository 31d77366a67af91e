#include "world/EventScriptManager.h"

#include "world/XmlFileManager.h"

EventScriptManager::EventScriptManager() {
    XmlFileManager::getSingleton().registerElementType("EventScript");
}

EventScriptManager::~EventScriptManager() {
    unloadAll();
}

Resource* EventScriptManager::createImpl(const std::string& name, ResourceHandle handle,
                                         ManualResourceLoader* loader) {
    return new EventScript(name, handle, loader);
}

EventScriptPtr EventScriptManager::getTemplate(const std::string& name,
                                               const std::string& fileHint) {
    EventScriptPtr found = boost::static_pointer_cast<EventScript>(create(name));
    if (found && !fileHint.empty())
        found->setFileHint(fileHint);
    return found;
}
