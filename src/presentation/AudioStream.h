#pragma once

#include <string>

// A counted reference to a streamed sound (music), by file path. The first reference to a path
// creates the stream in the AudioStreamManager; the last one to go stops and releases it, so a
// template's prototype that is released does not silence the copy playing in the scene. Without
// an AudioStreamManager a reference does nothing.
class AudioStream {
public:
    AudioStream() = default;
    explicit AudioStream(const std::string& path);
    AudioStream(const AudioStream& other);
    AudioStream& operator=(const AudioStream& other);
    // Failures go to the standard error stream.
    ~AudioStream();

    const std::string& getPath() const { return path; }

    // Shortcuts to the AudioStreamManager; play and stop raise its failures.
    void play() const;
    void stop() const;
    void setLooping(bool loop) const;

private:
    void attach(const std::string& newPath);
    void detach();

    std::string path;
};
