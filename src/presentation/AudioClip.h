#pragma once

#include <string>

// A counted reference to a sound clip, by file path (empty: no clip). While one exists the clip
// stays known to the AudioClipManager; the last one to go releases the sound. Each reference
// plays at most one channel at a time, so two references to one clip can overlap.
//
// Made without an AudioClipManager, a reference stays unregistered and plays nothing; one that
// outlives the manager that knew it does nothing when it dies.
class AudioClip {
public:
    AudioClip() = default;
    explicit AudioClip(const std::string& path);
    AudioClip(const AudioClip& other);
    AudioClip& operator=(const AudioClip& other);
    // Stops what it plays and unregisters; failures go to the standard error stream.
    ~AudioClip();

    const std::string& getPath() const { return path; }

    // Shortcuts to the AudioClipManager; play and stop raise its failures.
    void play() const;
    void stop() const;
    bool isPlaying() const;

private:
    void attach(const std::string& newPath);
    void detach();

    std::string path;
};
