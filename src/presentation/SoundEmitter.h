#pragma once

#include "world/Component.h"

#include <map>
#include <memory>
#include <string>

class AudioClip;

// Named sound clips an entity can play, each through its own clip reference (so one name plays
// at most once at a time). Optionally plays one of them whenever the entity enters a scene, and
// stops them all when it leaves.
class SoundEmitter : public Component {
public:
    SoundEmitter();
    // The copy holds its own references to the same clips.
    SoundEmitter(const SoundEmitter& other);
    ~SoundEmitter() override;

    const std::string& getType() const override;
    // Parameters "sound"i, "name"i (required for each sound), "loop"i, for i = 0, 1, ... up to the
    // first missing "sound"i, and "playOnAdd".
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override;
    bool isFilenameParam(const std::string& name) const override;
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    // Replaces any clip under that name. A clip that cannot be loaded is logged; playing it
    // later raises the reason.
    void addSound(const std::string& name, const std::string& path);
    // Raise "Sound not found." for an unknown name, and the clip manager's failures.
    void play(const std::string& name);
    void setLoop(const std::string& name, bool loop);
    void stopAll();

    bool hasSound(const std::string& name) const { return sounds.count(name) != 0; }
    bool isPlaying(const std::string& name) const;
    const std::string& getPlayOnAdd() const { return playOnAdd; }

private:
    AudioClip& find(const std::string& name);

    std::map<std::string, std::unique_ptr<AudioClip>> sounds;
    std::string playOnAdd;
};
