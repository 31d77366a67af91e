#pragma once

#include "core/PlayerActionListener.h"
#include "core/TimerListener.h"
#include "core/Vector2.h"
#include "world/Component.h"
#include "world/EntityTemplate.h"

#include <memory>
#include <string>

class ParamList;
class Timer;

// Places the player's ping at the mouse pointer on "Ping": a new entity from the ping template,
// at the world point under the pointer as the named camera sees it. The previous ping is killed,
// so only the latest one stays. enlargePing makes the pings bigger for a while (power-ups).
//
// While an enlargement runs, a Timer named "PingCreatorTimer" in the scene's process list
// counts it down and sends its event to this component's entity; the component forgets the
// timer when it fires and cancels it when the entity leaves its scene or changes.
class PlayerPingCreator : public Component, public TimerListener {
public:
    static const std::string& typeName();
    static const std::string& timerName();

    // The template is looked up at once (file hint may be empty) and loaded on first use; without
    // an EntityTemplateManager there is none and pings do nothing.
    PlayerPingCreator(const std::string& pingTemplateName, const std::string& cameraName,
                      const std::string& fileHint = std::string());
    PlayerPingCreator(const PlayerPingCreator& other);
    ~PlayerPingCreator() override;
    // "ping" and "camera" are required, "file" is optional.
    static PlayerPingCreator* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new PlayerPingCreator(*this); }
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    // Pings created from now on are scaled by factor (per axis) relative to the scale before the
    // enlargement, for duration seconds; a new enlargement while one runs restarts the time.
    void enlargePing(const Vector2& factor, double duration);
    void timerExpired(const boost::shared_ptr<TimerEvent>& event) override;

    void actionStarted(const PlayerActionEventPtr& event);

    const Vector2& getPingScale() const { return pingScale; }
    const std::string& getLastPingName() const { return lastPingName; }
    bool isEnlarged() const { return scaleTimer != nullptr; }

private:
    class ActionListener;
    void placePing(int x, int y);
    // Stops a running enlargement at once and goes back to the scale from before it.
    void cancelEnlargement();

    EntityTemplatePtr pingTemplate;
    std::string pingTemplateName;
    std::string fileHint;
    std::string cameraName;
    Vector2 pingScale{1.0, 1.0};
    Vector2 baseScale{1.0, 1.0};
    // Owned by the scene's process manager; valid until it fires or is cancelled here.
    Timer* scaleTimer = nullptr;
    std::string lastPingName;
    std::unique_ptr<ActionListener> actionListener;
};
