#include "gameplay/Explodable.h"

#include "core/ParamList.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

const std::string& Explodable::typeName() {
    static const std::string type = "Explodable";
    return type;
}

Explodable::Explodable(const std::string& explosion, const std::string& fileHint,
                       const Vector2& pos, const Vector2& ori, const Vector2& scl)
    : explosion(explosion), fileHint(fileHint), pos(pos),
      // A zero direction would collapse the explosion to a point.
      ori(ori.lengthSquared() > 0.0 ? ori.normalised() : Vector2(1.0, 0.0)), scl(scl) {
    EntityTemplateManager* templates = EntityTemplateManager::getSingletonPtr();
    if (templates && !explosion.empty())
        explosionTemplate = templates->getTemplate(explosion, fileHint);
}

Explodable::Explodable(const Explodable& other)
    : Component(other), explosionTemplate(other.explosionTemplate), explosion(other.explosion),
      fileHint(other.fileHint), pos(other.pos), ori(other.ori), scl(other.scl) {}

Explodable::Settings Explodable::readSettings(const ParamList& params) {
    Settings settings;
    params.getRequired("explosion", settings.explosion, typeName());
    params.get("filename", settings.fileHint);
    params.get("pos", settings.pos);
    params.get("ori", settings.ori);
    params.get("scl", settings.scl);
    return settings;
}

Explodable* Explodable::fromParams(const ParamList& params) {
    return new Explodable(readSettings(params));
}

bool Explodable::isFilenameParam(const std::string& name) const {
    return name == "explosionEntityFile";
}

bool Explodable::hasExploded() const {
    SceneManager* scene = getSceneManager();
    return scene && scene->isMarkedForDeletion(getNode());
}

void Explodable::explode() {
    Entity* entity = getEntity();
    SceneNode* node = getNode();
    SceneManager* scene = getSceneManager();
    if (!entity || !node || !scene || hasExploded())
        return;
    if (explosionTemplate)
        explosionTemplate->load();
    if (!explosionTemplate || explosionTemplate->loadFailed()) {
        scene->markForDeletion(node);
        return;
    }
    entity->kill();
    Entity* blast = explosionTemplate->createEntity(std::string(), ParamList());
    if (!blast)
        return;
    SceneNode* blastNode;
    if (SceneNode* parent = node->getParent()) {
        blastNode = new SceneNode(node->getPosition() + pos, node->getOrientation().rotatedBy(ori),
                                  node->getScale().scaledBy(scl));
        blastNode->bindEntity(blast);
        if (!parent->addChild(blastNode))
            delete blastNode;
    } else {
        blastNode = new SceneNode(node->getWorldPosition() + pos,
                                  node->getWorldOrientation().rotatedBy(ori),
                                  node->getWorldScale().scaledBy(scl));
        blastNode->bindEntity(blast);
        scene->addNode(blastNode);
    }
}
