#include "world/EntityTemplateManager.h"

#include "core/ParamList.h"
#include "world/Entity.h"
#include "world/SceneNode.h"
#include "world/XmlFileManager.h"

EntityTemplateManager::EntityTemplateManager() {
    XmlFileManager::getSingleton().registerElementType("EntityTemplate");
}

EntityTemplateManager::~EntityTemplateManager() {
    unloadAll();
}

Resource* EntityTemplateManager::createImpl(const std::string& name, ResourceHandle handle,
                                            ManualResourceLoader* loader) {
    return new EntityTemplate(name, handle, loader);
}

EntityTemplatePtr EntityTemplateManager::getTemplate(const std::string& name,
                                                     const std::string& fileHint) {
    EntityTemplatePtr found = boost::static_pointer_cast<EntityTemplate>(create(name));
    if (found && !fileHint.empty())
        found->setFileHint(fileHint);
    return found;
}

SceneNode* EntityTemplateManager::instantiate(const std::string& name, const std::string& fileHint,
                                              const std::string& entityName) {
    EntityTemplatePtr found = getTemplate(name, fileHint);
    if (!found)
        return nullptr;
    found->load();
    Entity* entity = found->createEntity(entityName, ParamList());
    if (!entity)
        return nullptr;
    SceneNode* node = new SceneNode();
    node->bindEntity(entity);
    return node;
}
