#pragma once

class EventListener;
class SceneManager;

// Lets a component listen on the event manager of the scene its entity is in, with at most one
// listener per scene and event type: the first such component to enter a scene takes the slot,
// later ones there stay silent, and the slot is free again once its holder leaves. Otherwise
// every adder, instantiator or runner in a scene would carry out the same request.
class SceneListenerSlot {
public:
    explicit SceneListenerSlot(EventListener& listener) : listener(listener) {}
    SceneListenerSlot(const SceneListenerSlot&) = delete;
    SceneListenerSlot& operator=(const SceneListenerSlot&) = delete;
    ~SceneListenerSlot() { release(); }

    // Called from managerChanged: gives up the old scene's slot and takes the new one's if free.
    void follow(SceneManager* newManager);
    void release();
    bool isListening() const { return scene != nullptr; }

private:
    EventListener& listener;
    SceneManager* scene = nullptr;
};
