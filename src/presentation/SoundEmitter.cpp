#include "presentation/SoundEmitter.h"

#include "core/LogFile.h"
#include "core/ParamList.h"
#include "presentation/AudioClip.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioManager.h"

SoundEmitter::SoundEmitter() = default;

SoundEmitter::SoundEmitter(const SoundEmitter& other)
    : Component(other), playOnAdd(other.playOnAdd) {
    for (const auto& entry : other.sounds)
        sounds[entry.first] = std::make_unique<AudioClip>(*entry.second);
}

SoundEmitter::~SoundEmitter() = default;

const std::string& SoundEmitter::getType() const {
    static const std::string type = "SoundEmitter";
    return type;
}

Component* SoundEmitter::createNew(const ParamList& params) const {
    auto emitter = std::make_unique<SoundEmitter>();
    for (int index = 0; params.has("sound" + std::to_string(index)); ++index) {
        const std::string suffix = std::to_string(index);
        std::string name;
        params.getRequired("name" + suffix, name, getType());
        bool loop = false;
        params.get("loop" + suffix, loop);
        emitter->addSound(name, params.getText("sound" + suffix));
        emitter->setLoop(name, loop);
    }
    emitter->playOnAdd = params.getText("playOnAdd");
    return emitter.release();
}

Component* SoundEmitter::clone() const {
    return new SoundEmitter(*this);
}

bool SoundEmitter::isFilenameParam(const std::string& name) const {
    return name.find("sound") != std::string::npos;
}

void SoundEmitter::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    if (oldManager) {
        try {
            stopAll();
        } catch (const std::exception&) {
            // A scene change must not fail over a sound.
        }
    }
    if (newManager && !playOnAdd.empty()) {
        try {
            play(playOnAdd);
        } catch (const std::exception&) {
            // A missing or unplayable sound leaves the entity silent, nothing more.
        }
    }
}

void SoundEmitter::addSound(const std::string& name, const std::string& path) {
    sounds[name] = std::make_unique<AudioClip>(path);
    AudioClipManager* clips = AudioClipManager::getSingletonPtr();
    if (path.empty() || !clips)
        return;
    // Missing media must not stop a template from loading: the clip stays, silent.
    try {
        clips->loadClip(path);
    } catch (const std::exception& error) {
        AudioManager::writeLog("Error loading sound clip " + path + ": " + error.what(),
                               LogFile::Important, false);
    }
}

AudioClip& SoundEmitter::find(const std::string& name) {
    auto found = sounds.find(name);
    if (found == sounds.end())
        throw myexception("Sound not found.");
    return *found->second;
}

void SoundEmitter::play(const std::string& name) {
    find(name).play();
}

void SoundEmitter::setLoop(const std::string& name, bool loop) {
    AudioClip& clip = find(name);
    if (AudioClipManager* clips = AudioClipManager::getSingletonPtr())
        clips->setLoop(clip.getPath(), loop);
}

void SoundEmitter::stopAll() {
    for (auto& entry : sounds)
        entry.second->stop();
}

bool SoundEmitter::isPlaying(const std::string& name) const {
    auto found = sounds.find(name);
    return found != sounds.end() && found->second->isPlaying();
}
