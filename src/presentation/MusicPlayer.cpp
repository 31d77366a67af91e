#include "presentation/MusicPlayer.h"

#include "core/LogFile.h"
#include "core/ParamList.h"
#include "presentation/AudioManager.h"
#include "presentation/AudioStreamManager.h"
#include "world/Entity.h"

namespace {
FMOD_SOUND* soundOf(const AudioStream& stream) {
    AudioStreamManager* streams = AudioStreamManager::getSingletonPtr();
    return streams ? streams->getSound(stream.getPath()) : nullptr;
}
} // namespace

void MusicPlayer::Listener::entityEntered(const SceneEventPtr&) {
    player.play();
}

void MusicPlayer::Listener::entityLeft(const SceneEventPtr&) {
    player.stop();
}

MusicPlayer::MusicPlayer() : stream(std::make_unique<AudioStream>()), listener(*this) {}

MusicPlayer::MusicPlayer(const std::string& path, bool looping, bool hasLoopPoints,
                         unsigned loopStart, unsigned loopEnd)
    : looping(looping), hasLoopPoints(hasLoopPoints), loopStart(loopStart), loopEnd(loopEnd),
      stream(std::make_unique<AudioStream>(path)), listener(*this) {
    applySettings();
}

MusicPlayer::MusicPlayer(const MusicPlayer& other)
    : Component(other), looping(soundOf(*other.stream) ? other.isLooping() : other.looping),
      hasLoopPoints(other.hasLoopPoints), loopStart(copiedLoopPoint(other, true)),
      loopEnd(copiedLoopPoint(other, false)), stream(std::make_unique<AudioStream>(*other.stream)),
      listener(*this) {
    applySettings();
}

unsigned MusicPlayer::copiedLoopPoint(const MusicPlayer& other, bool start) {
    unsigned soundStart = 0;
    unsigned soundEnd = 0;
    if (!other.getLoopPoints(soundStart, soundEnd))
        return start ? other.loopStart : other.loopEnd;
    return start ? soundStart : soundEnd;
}

MusicPlayer::~MusicPlayer() = default;

void MusicPlayer::applySettings() {
    if (stream->getPath().empty())
        return;
    stream->setLooping(looping);
    FMOD_SOUND* sound = soundOf(*stream);
    if (!sound || !hasLoopPoints)
        return;
    FMOD_RESULT result =
        FMOD_Sound_SetLoopPoints(sound, loopStart, FMOD_TIMEUNIT_MS, loopEnd, FMOD_TIMEUNIT_MS);
    if (result != FMOD_OK)
        AudioManager::writeLog("Error setting loop points of audio stream " + stream->getPath() +
                                   ": " + AudioManager::errorText(result) + ".",
                               LogFile::Important, false);
}

const std::string& MusicPlayer::getType() const {
    static const std::string type = "MusicPlayer";
    return type;
}

Component* MusicPlayer::createNew(const ParamList& params) const {
    std::string path;
    params.getRequired("filename", path, getType());
    bool loop = false;
    params.get("looping", loop);
    unsigned start = 0;
    unsigned end = 0;
    const bool bothGiven = params.get("loopStart", start) == ParamList::Found &&
                           params.get("loopEnd", end) == ParamList::Found;
    return new MusicPlayer(path, loop, bothGiven, start, end);
}

Component* MusicPlayer::clone() const {
    return new MusicPlayer(*this);
}

bool MusicPlayer::isFilenameParam(const std::string& name) const {
    return name == "filename";
}

void MusicPlayer::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity) {
        if (oldEntity->getSceneManager())
            stop();
        oldEntity->removeListener(&listener);
    }
    if (newEntity) {
        if (newEntity->getSceneManager())
            play();
        newEntity->addListener(&listener);
    }
}

bool MusicPlayer::isLooping() const {
    FMOD_SOUND* sound = soundOf(*stream);
    FMOD_MODE mode = 0;
    return sound && FMOD_Sound_GetMode(sound, &mode) == FMOD_OK && !(mode & FMOD_LOOP_OFF);
}

bool MusicPlayer::getLoopPoints(unsigned& start, unsigned& end) const {
    FMOD_SOUND* sound = soundOf(*stream);
    return sound && FMOD_Sound_GetLoopPoints(sound, &start, FMOD_TIMEUNIT_MS, &end,
                                             FMOD_TIMEUNIT_MS) == FMOD_OK;
}

void MusicPlayer::play() {
    try {
        stream->play();
    } catch (const std::exception&) {
        // Music that cannot play leaves the scene silent, nothing more.
    }
}

void MusicPlayer::stop() {
    try {
        stream->stop();
    } catch (const std::exception&) {
        // Same as for play.
    }
}
