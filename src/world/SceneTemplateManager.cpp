#include "world/SceneTemplateManager.h"

#include "world/XmlFileManager.h"

SceneTemplateManager::SceneTemplateManager() {
    XmlFileManager::getSingleton().registerElementType("SceneTemplate");
}

SceneTemplateManager::~SceneTemplateManager() {
    unloadAll();
}

Resource* SceneTemplateManager::createImpl(const std::string& name, ResourceHandle handle,
                                           ManualResourceLoader* loader) {
    return new SceneTemplate(name, handle, loader);
}

SceneTemplatePtr SceneTemplateManager::getTemplate(const std::string& name,
                                                   const std::string& fileHint) {
    SceneTemplatePtr found = boost::static_pointer_cast<SceneTemplate>(create(name));
    if (found && !fileHint.empty())
        found->setFileHint(fileHint);
    return found;
}
