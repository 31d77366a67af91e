#pragma once

#include "core/Process.h"
#include "core/Singleton.h"
#include "presentation/SoundLayer.h"

#include <string>

class LogFile;

// Owns the sound system and advances it once per tick; every end-of-channel callback runs from
// that update. The main program makes it after the MasterProcessManager, adds it to the master
// process manager, and destroys it after every scene. Its destructor deletes the
// AudioClipManager and the AudioStreamManager if they exist, so those two must be made with new
// and never deleted by anyone else.
class AudioManager : public Process, public Singleton<AudioManager> {
public:
    // Raises the failure message ("Error creating FMOD system: ...") when no sound system can
    // start; without a sound device the silent output is used instead, which is not a failure.
    AudioManager();
    ~AudioManager() override;

    void updateProcess(double seconds) override;
    bool deleteWhenKilled() const override { return false; }

    // Pauses (true) or resumes (false) everything through the master group; repeats do nothing.
    void setSuspended(bool suspended);
    bool isSuspended() const { return suspended; }

    // Valid until this manager is destroyed.
    FMOD_SYSTEM* getSystem() const { return system; }
    FMOD_CHANNELGROUP* getMasterGroup() const;

    // "AudioSystemLog.txt"; valid until the LogManager is destroyed. Null without a LogManager.
    LogFile* getLog() const { return log; }
    // Writes to the audio log of the live AudioManager, and to the main log as well when
    // copyToMainLog is set.
    static void writeLog(const std::string& message, int level, bool copyToMainLog);
    // The sentence for a result code.
    static std::string errorText(FMOD_RESULT result);

private:
    void fail(const std::string& message);

    FMOD_SYSTEM* system = nullptr;
    bool suspended = false;
    LogFile* log = nullptr;
};
