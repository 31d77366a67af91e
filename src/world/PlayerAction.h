#pragma once

#include "core/KeyListener.h"
#include "core/MouseListener.h"
#include "core/PlayerActionConnectionEvent.h"
#include "core/PlayerActionListener.h"
#include "core/PlayerActionType.h"
#include "world/Component.h"

#include <map>
#include <memory>
#include <string>

// Sits on the player's ship and turns keys and mouse buttons into player actions, announced on
// its entity as PlayerActionEvents. Two bindings of one action share one state, so the action
// starts with the first press and stops with the first release. Scripted PlayerActionEvents on
// the entity update the state without being sent again; PlayerActionConnectionEvents connect
// it to or disconnect it from the input manager. Registered as "PlayerAction".
class PlayerAction : public Component,
                     public KeyListener,
                     public MouseListener,
                     public PlayerActionListener {
public:
    // Hears PlayerActionConnectionEvents on the component's entity.
    class ConnectedListener : public EventListener {
    public:
        explicit ConnectedListener(PlayerAction& owner)
            : EventListener(EventType::PlayerActionConnection), owner(owner) {}
        void handleEvent(const EventPtr& event) override;

    private:
        PlayerAction& owner;
    };

    // scheme "Static" or "Scrolling" sets that scheme's bindings; any other text sets none.
    explicit PlayerAction(bool connected = false, const std::string& scheme = std::string());
    PlayerAction(const PlayerAction& other);
    ~PlayerAction() override;

    const std::string& getType() const override;
    // Parameters "connected" (bool, default false) and "scheme".
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override;
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    void keyPressed(const KeyEventPtr& event) override;
    void keyReleased(const KeyEventPtr& event) override;
    void mouseButtonPressed(const MouseEventPtr& event) override;
    void mouseButtonReleased(const MouseEventPtr& event) override;
    void actionStarted(const PlayerActionEventPtr& event) override;
    void actionStopped(const PlayerActionEventPtr& event) override;

    void bindKey(int key, PlayerActionType action) { keyBindings[key] = action; }
    void bindButton(int button, PlayerActionType action) { buttonBindings[button] = action; }
    void clearBindings();
    const std::map<int, PlayerActionType>& getKeyBindings() const { return keyBindings; }
    const std::map<int, PlayerActionType>& getButtonBindings() const { return buttonBindings; }

    // Registers with (or leaves) the input manager as key and mouse listener. Active actions
    // stay active either way.
    void setConnected(bool connected);
    bool isConnected() const { return connected; }
    bool isActive(PlayerActionType action) const;

private:
    void applyScheme(const std::string& scheme);
    // Changes the state and, when it did change, announces it on the entity.
    void change(PlayerActionType action, bool active, int x, int y);

    std::map<int, PlayerActionType> keyBindings;
    std::map<int, PlayerActionType> buttonBindings;
    std::map<PlayerActionType, bool> actionStates;
    bool connected = false;
    std::unique_ptr<ConnectedListener> connectedListener;
};
