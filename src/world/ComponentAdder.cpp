#include "world/ComponentAdder.h"

#include "core/LogManager.h"
#include "core/ParamList.h"
#include "world/ComponentAdderActionEvent.h"
#include "world/Entity.h"
#include "world/EntityTemplate.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneManager.h"

ComponentAdder::ComponentAdder() : EventListener(EventType::ComponentAdderAction) {}

ComponentAdder::ComponentAdder(const ComponentAdder& other)
    : Component(other), EventListener(EventType::ComponentAdderAction) {}

const std::string& ComponentAdder::getType() const {
    static const std::string type = "ComponentAdder";
    return type;
}

Component* ComponentAdder::createNew(const ParamList&) const {
    return new ComponentAdder();
}

Component* ComponentAdder::clone() const {
    return new ComponentAdder(*this);
}

void ComponentAdder::managerChanged(SceneManager* newManager, SceneManager*) {
    slot.follow(newManager);
}

void ComponentAdder::handleEvent(const EventPtr& event) {
    auto action = boost::dynamic_pointer_cast<ComponentAdderActionEvent>(event);
    SceneManager* scene = getSceneManager();
    if (!action || !scene)
        return;
    Entity* target = scene->findEntity(action->getEntityName());
    if (!target || target == getEntity())
        return;
    switch (action->getAction()) {
    case ComponentAdderActionEvent::AddComponent:
        addFromTemplate(target, *action);
        break;
    case ComponentAdderActionEvent::RemoveComponent:
        if (!action->getComponentType().empty())
            scene->removeComponent(target->getComponent(action->getComponentType()));
        break;
    case ComponentAdderActionEvent::RemoveEntity:
        scene->removeEntity(target);
        break;
    case ComponentAdderActionEvent::KillEntity:
        target->kill();
        break;
    }
}

void ComponentAdder::addFromTemplate(Entity* target, const ComponentAdderActionEvent& action) {
    if (action.getComponentType().empty())
        return;
    // Raising here would end the game from inside an event delivery; a missing manager only
    // means the component cannot be made.
    EntityTemplateManager* templates = EntityTemplateManager::getSingletonPtr();
    if (!templates) {
        logDefault("ComponentAdder: no entity template manager to add " +
                       action.getComponentType() + " to " + target->getName() + ".",
                   2);
        return;
    }
    EntityTemplatePtr source =
        templates->getTemplate(action.getTemplateName(), action.getFileName());
    if (!source)
        return;
    source->load();
    if (source->loadFailed())
        return;
    Component* component = source->createComponent(action.getComponentType(), ParamList());
    if (component && !target->addComponent(component))
        delete component;
}
