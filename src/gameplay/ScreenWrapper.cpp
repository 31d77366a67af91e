#include "gameplay/ScreenWrapper.h"

#include "core/ParamList.h"
#include "gameplay/PlayingArea.h"
#include "physics/Collidable.h"
#include "presentation/Renderable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

namespace {

// Grows a box by the world boxes of every entity of a subtree.
class GrowByWorldBoxes : public Visitor<Entity> {
public:
    explicit GrowByWorldBoxes(AxisAlignedBox& box) : box(box) {}
    void visit(Entity& entity) override {
        if (auto* collidable = entity.getComponent<Collidable>(Collidable::roleName()))
            box.merge(collidable->getWorldBoundingBox());
        if (auto* renderable = entity.getComponent<Renderable>(Renderable::roleName()))
            box.merge(renderable->getBoundingBox());
    }

private:
    AxisAlignedBox& box;
};

} // namespace

const std::string& ScreenWrapper::typeName() {
    static const std::string name = "ScreenWrapper";
    return name;
}

Component* ScreenWrapper::createNew(const ParamList& params) const {
    std::string area;
    params.getRequired("playingArea", area, "Error creating ScreenWrapper:");
    return new ScreenWrapper(area);
}

void ScreenWrapper::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager) {
        stopChecking();
        unwatch();
        oldManager->removeListener(static_cast<SceneListener*>(this));
        scene = nullptr;
    }
    if (!newManager)
        return;
    inArea = false;
    scene = newManager;
    // Stays on the scene throughout: it also tells when the area's entity goes, after which
    // this wrapper must not touch it.
    newManager->addListener(static_cast<SceneListener*>(this));
    if (Entity* area = newManager->findEntity(playingAreaName))
        watch(area);
}

void ScreenWrapper::entityEntered(const SceneEventPtr& event) {
    Entity* entity = event->getEntity();
    if (!areaEntity && entity && entity != getEntity() && entity->getName() == playingAreaName)
        watch(entity);
}

void ScreenWrapper::entityLeft(const SceneEventPtr& event) {
    if (event->getEntity() != areaEntity)
        return;
    unwatch();
    stopChecking();
}

void ScreenWrapper::watch(Entity* area) {
    areaEntity = area;
    area->addListener(static_cast<PlayingAreaListener*>(this));
    // Once inside, always inside while in this scene: an area that comes back must not find the
    // entity straddling its border and let it escape.
    if (inArea)
        return;
    checkIfInArea();
    if (!inArea && originInArea())
        startChecking();
}

void ScreenWrapper::unwatch() {
    if (areaEntity)
        areaEntity->removeListener(static_cast<PlayingAreaListener*>(this));
    areaEntity = nullptr;
}

void ScreenWrapper::areaEntered(const PlayingAreaEventPtr&) {
    // Any arrival may be the one that brings this entity's parts inside.
    if (!inArea)
        startChecking();
}

void ScreenWrapper::areaLeft(const PlayingAreaEventPtr& event) {
    SceneNode* node = getNode();
    if (event->getEntity() != getEntity() || !node)
        return;
    stopChecking();
    if (!inArea || !event->getArea())
        return;
    const Vector2 size = event->getArea()->getWorldArea().getSize();
    Vector2 shift;
    switch (event->getSide()) {
    case Top:
        shift = Vector2(0.0, -size.y);
        break;
    case Bottom:
        shift = Vector2(0.0, size.y);
        break;
    case Left:
        shift = Vector2(size.x, 0.0);
        break;
    case Right:
        shift = Vector2(-size.x, 0.0);
        break;
    }
    node->setPosition(node->getWorldPosition() + shift, SceneNode::World);
}

void ScreenWrapper::updateProcess(double) {
    checkIfInArea();
    if (inArea)
        kill();
}

void ScreenWrapper::checkIfInArea() {
    PlayingArea* area = findArea();
    SceneNode* node = getNode();
    if (!area || !node)
        return;
    const AxisAlignedBox world = area->getWorldArea();
    AxisAlignedBox grown = world;
    GrowByWorldBoxes grow(grown);
    static_cast<Visitable<Entity>*>(node)->accept(grow);
    inArea = grown.min == world.min && grown.max == world.max;
}

bool ScreenWrapper::activeWrapArea(AxisAlignedBox& area) const {
    PlayingArea* found = findArea();
    if (!found || !inArea)
        return false;
    area = found->getWorldArea();
    return true;
}

PlayingArea* ScreenWrapper::findArea() const {
    return areaEntity ? areaEntity->getComponent<PlayingArea>(PlayingArea::typeName()) : nullptr;
}

void ScreenWrapper::startChecking() {
    if (!scene || getSceneManager() != scene)
        return;
    if (getManager() == scene)
        revive();
    else if (!getManager())
        scene->addProcess(this);
}

void ScreenWrapper::stopChecking() {
    if (getManager())
        kill();
}

bool ScreenWrapper::originInArea() const {
    PlayingArea* area = findArea();
    SceneNode* node = getNode();
    if (!area || !node)
        return false;
    const AxisAlignedBox world = area->getWorldArea();
    const Vector2& position = node->getWorldPosition();
    return position.x > world.min.x && position.x < world.max.x && position.y > world.min.y &&
           position.y < world.max.y;
}
