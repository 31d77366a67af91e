#include "world/TemplateInstantiator.h"

#include "core/ParamList.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"
#include "world/SceneTemplateManager.h"
#include "world/TemplateInstantiationActionEvent.h"

const std::string TemplateInstantiator::typeName = "TemplateInstantiator";

TemplateInstantiator::TemplateInstantiator()
    : EventListener(EventType::TemplateInstantiationAction) {}

TemplateInstantiator::TemplateInstantiator(const TemplateInstantiator& other)
    : Component(other), EventListener(EventType::TemplateInstantiationAction) {}

Component* TemplateInstantiator::createNew(const ParamList&) const {
    return new TemplateInstantiator();
}

void TemplateInstantiator::managerChanged(SceneManager* newManager, SceneManager*) {
    slot.follow(newManager);
}

void TemplateInstantiator::handleEvent(const EventPtr& event) {
    auto action = boost::dynamic_pointer_cast<TemplateInstantiationActionEvent>(event);
    SceneManager* scene = getSceneManager();
    if (!action || !scene)
        return;
    if (action->kind == TemplateInstantiationActionEvent::Kind::Entity)
        instantiateEntity(*action, *scene);
    else
        instantiateScene(*action, *scene);
}

SceneNode* TemplateInstantiator::parentNode(const std::string& parent, SceneManager& scene) {
    if (parent.empty())
        return nullptr;
    Entity* entity = scene.findEntity(parent);
    return entity ? entity->getNode() : nullptr;
}

void TemplateInstantiator::instantiateEntity(const TemplateInstantiationActionEvent& action,
                                             SceneManager& scene) {
    EntityTemplatePtr found =
        EntityTemplateManager::getSingleton().getTemplate(action.templateName, action.file);
    if (!found)
        return;
    found->load();
    if (found->loadFailed())
        return;
    Entity* entity = found->createEntity(action.name, ParamList());
    if (!entity)
        return;
    SceneNode* node = new SceneNode(action.pos, action.ori, action.scl);
    node->bindEntity(entity);
    SceneNode* parent = parentNode(action.parent, scene);
    if (!parent || !parent->addChild(node))
        scene.addNode(node);
}

void TemplateInstantiator::instantiateScene(const TemplateInstantiationActionEvent& action,
                                            SceneManager& scene) {
    SceneTemplatePtr found =
        SceneTemplateManager::getSingleton().getTemplate(action.templateName, action.file);
    if (!found)
        return;
    found->load();
    if (found->loadFailed())
        return;
    if (SceneNode* parent = parentNode(action.parent, scene))
        found->instantiateUnder(parent, action.pos, action.ori, action.scl);
    else
        found->instantiateInScene(&scene, action.pos, action.ori, action.scl);
}
