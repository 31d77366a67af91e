#pragma once

#include "presentation/AudioClip.h"
#include "world/Component.h"
#include "world/SceneProcess.h"

#include <string>

class SceneNode;

// A one-shot sound that plays to its end even when the entity that carried it dies at once (an
// explosion). The component made from parameters never plays: it owns a carrier node with a
// carrier entity holding a playing copy of itself, and hands that node to the first scene its
// entity enters. The copy plays on entering the scene, runs as a process of that scene, and
// removes its carrier entity once the sound is over.
class PlaySoundOnce : public Component, public SceneProcess {
public:
    PlaySoundOnce();
    // A copy of the component made from parameters gets a carrier of its own.
    PlaySoundOnce(const PlaySoundOnce& other);
    // Deletes a carrier that was never handed to a scene.
    ~PlaySoundOnce() override;

    const std::string& getType() const override;
    // Parameter "sound" (required): the clip's file path.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override;
    bool isFilenameParam(const std::string& name) const override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void updateProcess(double seconds) override;

    bool isPlayer() const { return player; }
    const AudioClip& getClip() const { return clip; }
    // The carrier node not yet handed to a scene, or null.
    SceneNode* getCarrier() const { return carrier; }

private:
    PlaySoundOnce(const std::string& path, bool player);
    void makeCarrier();

    AudioClip clip;
    bool player = false;
    SceneNode* carrier = nullptr;
};
