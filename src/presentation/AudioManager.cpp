#include "presentation/AudioManager.h"

#include "core/LogManager.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioStreamManager.h"

#include <SDL.h>

namespace {
const char* const audioLogName = "AudioSystemLog.txt";
constexpr int channelCount = 128;
} // namespace

AudioManager::AudioManager() {
    if (LogManager* logs = LogManager::getSingletonPtr())
        log = logs->openLog(audioLogName, LogFile::Detail, false, false);

    if (SDL_WasInit(SDL_INIT_AUDIO)) {
        writeLog("Shutting down unneeded SDL_Audio", LogFile::Detail, false);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    FMOD_RESULT result = FMOD_System_Create(&system);
    if (result != FMOD_OK)
        fail("Error creating FMOD system: " + errorText(result) + ", aborting initialization.");
    result = FMOD_System_Init(system, channelCount, FMOD_INIT_NORMAL, nullptr);
    if (result != FMOD_OK)
        fail("Error initializing FMOD system: " + errorText(result) + ", aborting initialization.");

    writeLog("Initialized audio subsystem. Using " + std::to_string(channelCount) +
                 " maximum sound channels.",
             LogFile::Important, true);
    char outputName[256] = "";
    FMOD_System_GetOutputName(system, outputName, sizeof outputName);
    writeLog(std::string("Audio output: ") + outputName + ".", LogFile::Information, false);
}

void AudioManager::fail(const std::string& message) {
    // A system that was made but would not start is freed before the exception leaves, since no
    // destructor will run.
    if (system)
        FMOD_System_Release(system);
    system = nullptr;
    writeLog(message, LogFile::Important, true);
    throw myexception(message);
}

AudioManager::~AudioManager() {
    delete AudioClipManager::getSingletonPtr();
    delete AudioStreamManager::getSingletonPtr();
    FMOD_RESULT result = FMOD_System_Release(system);
    if (result != FMOD_OK)
        writeLog("Error releasing FMOD system: " + errorText(result) + ".", LogFile::Important,
                 true);
    writeLog("Audio subsystem shut down.", LogFile::Important, true);
}

void AudioManager::updateProcess(double /*seconds*/) {
    FMOD_RESULT result = FMOD_System_Update(system);
    if (result != FMOD_OK)
        writeLog("Error updating FMOD system: " + errorText(result) + ".", LogFile::Important,
                 false);
}

FMOD_CHANNELGROUP* AudioManager::getMasterGroup() const {
    FMOD_CHANNELGROUP* master = nullptr;
    FMOD_System_GetMasterChannelGroup(system, &master);
    return master;
}

void AudioManager::setSuspended(bool suspend) {
    if (suspend == suspended)
        return;
    FMOD_RESULT result = FMOD_ChannelGroup_SetPaused(getMasterGroup(), suspend ? 1 : 0);
    if (result != FMOD_OK)
        writeLog("Error pausing master channel group: " + errorText(result) + ".",
                 LogFile::Important, false);
    suspended = suspend;
    writeLog(suspend ? "Suspending all audio playback." : "Unsuspending all audio playback.",
             LogFile::Detail, false);
}

void AudioManager::writeLog(const std::string& message, int level, bool copyToMainLog) {
    AudioManager* manager = getSingletonPtr();
    if (manager && manager->log)
        manager->log->write(message, level);
    if (copyToMainLog)
        logDefault(message, level);
}

std::string AudioManager::errorText(FMOD_RESULT result) {
    return FMOD_ErrorString(result);
}
