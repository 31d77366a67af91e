#include "gameplay/PlayerPingCreator.h"

#include "core/ParamList.h"
#include "core/Timer.h"
#include "presentation/Camera.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <algorithm>

class PlayerPingCreator::ActionListener : public PlayerActionListener {
public:
    explicit ActionListener(PlayerPingCreator& owner) : owner(owner) {}
    void actionStarted(const PlayerActionEventPtr& event) override { owner.actionStarted(event); }
    void actionStopped(const PlayerActionEventPtr&) override {}

private:
    PlayerPingCreator& owner;
};

const std::string& PlayerPingCreator::typeName() {
    static const std::string type = "PlayerPingCreator";
    return type;
}

const std::string& PlayerPingCreator::timerName() {
    static const std::string name = "PingCreatorTimer";
    return name;
}

PlayerPingCreator::PlayerPingCreator(const std::string& pingTemplateName,
                                     const std::string& cameraName, const std::string& fileHint)
    : pingTemplateName(pingTemplateName), fileHint(fileHint), cameraName(cameraName),
      actionListener(new ActionListener(*this)) {
    if (EntityTemplateManager* templates = EntityTemplateManager::getSingletonPtr())
        pingTemplate = templates->getTemplate(pingTemplateName, fileHint);
}

PlayerPingCreator::PlayerPingCreator(const PlayerPingCreator& other)
    : Component(other), TimerListener(other), pingTemplate(other.pingTemplate),
      pingTemplateName(other.pingTemplateName), fileHint(other.fileHint),
      cameraName(other.cameraName),
      // The copy has no timer, so it starts without the original's enlargement.
      pingScale(other.scaleTimer ? other.baseScale : other.pingScale), baseScale(pingScale),
      actionListener(new ActionListener(*this)) {}

PlayerPingCreator::~PlayerPingCreator() {
    if (scaleTimer)
        scaleTimer->kill();
}

PlayerPingCreator* PlayerPingCreator::fromParams(const ParamList& params) {
    std::string ping, camera, file;
    params.getRequired("ping", ping, typeName());
    params.getRequired("camera", camera, typeName());
    params.get("file", file);
    return new PlayerPingCreator(ping, camera, file);
}

void PlayerPingCreator::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity) {
        // The timer would report to the old entity, where nobody hears it any more.
        cancelEnlargement();
        oldEntity->removeListener(actionListener.get());
        oldEntity->removeListener(static_cast<TimerListener*>(this));
    }
    if (newEntity) {
        newEntity->addListener(actionListener.get());
        newEntity->addListener(static_cast<TimerListener*>(this));
    }
}

void PlayerPingCreator::managerChanged(SceneManager*, SceneManager* oldManager) {
    // The timer runs in the old scene's process list, which may be destroyed next.
    if (oldManager)
        cancelEnlargement();
}

void PlayerPingCreator::actionStarted(const PlayerActionEventPtr& event) {
    if (event->getAction() == PlayerActionType::Ping)
        placePing(event->getX(), event->getY());
}

void PlayerPingCreator::placePing(int x, int y) {
    SceneManager* scene = getSceneManager();
    if (!pingTemplate || !getEntity() || !getNode() || !scene)
        return;
    if (pingScale.x == 0.0 && pingScale.y == 0.0)
        return;
    pingTemplate->load();
    if (pingTemplate->loadFailed())
        return;
    if (!lastPingName.empty()) {
        if (Entity* previous = scene->findEntity(lastPingName))
            previous->kill();
    }
    Entity* cameraEntity = scene->findEntity(cameraName);
    Camera* camera =
        cameraEntity ? cameraEntity->getComponent<Camera>(Camera::typeName()) : nullptr;
    if (!camera)
        return;
    // Pointer positions are window pixels; only a scripted action could carry a negative one.
    Vector2 position = camera->screenToWorld(static_cast<unsigned>(std::max(x, 0)),
                                             static_cast<unsigned>(std::max(y, 0)));
    Entity* ping = pingTemplate->createEntity(std::string(), ParamList());
    if (!ping) {
        lastPingName.clear();
        return;
    }
    SceneNode* node = new SceneNode(position, Vector2(1.0, 0.0), pingScale);
    node->bindEntity(ping);
    scene->addNode(node);
    lastPingName = ping->getName();
}

void PlayerPingCreator::enlargePing(const Vector2& factor, double duration) {
    SceneManager* scene = getSceneManager();
    if (!getEntity() || !getNode() || !scene)
        return;
    // A timer cannot run for a negative (or NaN) time; such a power-up is a data fault and gives
    // nothing rather than an exception in the middle of a collision.
    if (!(duration >= 0.0))
        return;
    if (!scaleTimer) {
        scaleTimer = new Timer(timerName(), getEntity(), duration);
        scene->addProcess(scaleTimer);
        baseScale = pingScale;
    } else {
        scaleTimer->setRemaining(duration);
    }
    pingScale = Vector2(baseScale.x * factor.x, baseScale.y * factor.y);
}

void PlayerPingCreator::timerExpired(const boost::shared_ptr<TimerEvent>& event) {
    if (event->getName() != timerName())
        return;
    pingScale = baseScale;
    scaleTimer = nullptr;
}

void PlayerPingCreator::cancelEnlargement() {
    if (!scaleTimer)
        return;
    scaleTimer->kill();
    scaleTimer = nullptr;
    pingScale = baseScale;
}
