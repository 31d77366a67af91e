#include "gameplay/TargetSeeker.h"

#include "core/ParamList.h"
#include "gameplay/Targetable.h"
#include "gameplay/TargetableEvent.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

#include <boost/pointer_cast.hpp>

namespace {

// The first entity, in visiting order, with a Targetable of the name.
class FindTargetable : public Visitor<Entity> {
public:
    explicit FindTargetable(const std::string& name) : name(name) {}
    void visit(Entity& entity) override {
        if (found)
            return;
        auto* targetable = entity.getComponent<Targetable>(Targetable::typeName());
        if (targetable && targetable->getName() == name)
            found = &entity;
    }

    Entity* found = nullptr;

private:
    const std::string& name;
};

} // namespace

TargetSeeker::Listener::Listener(TargetSeeker& owner)
    : EventListener(EventType::Targetable), owner(owner) {}

void TargetSeeker::Listener::handleEvent(const EventPtr& event) {
    auto changed = boost::dynamic_pointer_cast<TargetableEvent>(event);
    if (!changed || changed->getName() != owner.name)
        return;
    if (changed->getRemoved() != 0)
        owner.target = nullptr;
    else if (changed->getTargetable())
        owner.target = changed->getTargetable()->getEntity();
}

const std::string& TargetSeeker::typeName() {
    static const std::string type = "TargetSeeker";
    return type;
}

TargetSeeker::TargetSeeker(const std::string& name) : name(name), listener(new Listener(*this)) {}

TargetSeeker::TargetSeeker(const TargetSeeker& other)
    : Component(other), TargetHolder(other), name(other.name), listener(new Listener(*this)) {}

TargetSeeker::~TargetSeeker() = default;

Component* TargetSeeker::createNew(const ParamList& params) const {
    return new TargetSeeker(params.getText("name"));
}

void TargetSeeker::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager) {
        target = nullptr;
        oldManager->removeListener(listener.get());
    }
    if (!newManager)
        return;
    FindTargetable finder(name);
    newManager->accept(finder);
    target = finder.found;
    newManager->addListener(listener.get());
}
