#include "presentation/PlaySoundOnce.h"

#include "core/LogFile.h"
#include "core/ParamList.h"
#include "presentation/AudioManager.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

PlaySoundOnce::PlaySoundOnce() = default;

PlaySoundOnce::PlaySoundOnce(const std::string& path, bool player) : clip(path), player(player) {
    if (!player)
        makeCarrier();
}

PlaySoundOnce::PlaySoundOnce(const PlaySoundOnce& other)
    : Component(other), SceneProcess(), clip(other.clip), player(other.player) {
    if (!player)
        makeCarrier();
}

PlaySoundOnce::~PlaySoundOnce() {
    delete carrier;
}

void PlaySoundOnce::makeCarrier() {
    carrier = Entity::create("", {new PlaySoundOnce(clip.getPath(), true)});
}

const std::string& PlaySoundOnce::getType() const {
    static const std::string type = "PlaySoundOnce";
    return type;
}

Component* PlaySoundOnce::createNew(const ParamList& params) const {
    std::string path;
    params.getRequired("sound", path, getType());
    return new PlaySoundOnce(path, false);
}

Component* PlaySoundOnce::clone() const {
    return new PlaySoundOnce(*this);
}

bool PlaySoundOnce::isFilenameParam(const std::string& name) const {
    return name == "sound";
}

void PlaySoundOnce::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (!player) {
        if (newManager && carrier && newManager->addNode(carrier))
            carrier = nullptr;
        return;
    }
    // Moving the carrier under another parent of the same scene is no new entrance: the sound
    // keeps playing and is not started again.
    const bool reentering = newManager && getManager() == newManager;
    followScene(newManager, oldManager);
    if (!newManager || reentering)
        return;
    // A sound that cannot play must not take the scene down; the carrier then goes at the
    // next tick.
    try {
        clip.play();
    } catch (const std::exception& error) {
        AudioManager::writeLog("Error playing sound " + clip.getPath() + ": " + error.what(),
                               LogFile::Important, false);
    }
}

void PlaySoundOnce::updateProcess(double) {
    if (clip.isPlaying())
        return;
    if (Entity* carrierEntity = getEntity())
        carrierEntity->kill();
}
