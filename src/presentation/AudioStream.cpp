#include "presentation/AudioStream.h"

#include "presentation/AudioStreamManager.h"

#include <iostream>

AudioStream::AudioStream(const std::string& streamPath) {
    attach(streamPath);
}

AudioStream::AudioStream(const AudioStream& other) {
    attach(other.path);
}

AudioStream& AudioStream::operator=(const AudioStream& other) {
    if (this != &other && path != other.path) {
        detach();
        attach(other.path);
    }
    return *this;
}

AudioStream::~AudioStream() {
    detach();
}

void AudioStream::attach(const std::string& newPath) {
    path = newPath;
    if (!path.empty())
        if (AudioStreamManager* manager = AudioStreamManager::getSingletonPtr())
            manager->addReference(path);
}

void AudioStream::detach() {
    AudioStreamManager* manager = AudioStreamManager::getSingletonPtr();
    if (!manager || path.empty())
        return;
    try {
        manager->dropReference(path);
    } catch (const std::exception& error) {
        std::cerr << "Error stopping stream: " << error.what() << std::endl;
    }
}

void AudioStream::play() const {
    if (AudioStreamManager* manager = AudioStreamManager::getSingletonPtr())
        manager->play(path);
}

void AudioStream::stop() const {
    if (AudioStreamManager* manager = AudioStreamManager::getSingletonPtr())
        manager->stop(path);
}

void AudioStream::setLooping(bool loop) const {
    if (AudioStreamManager* manager = AudioStreamManager::getSingletonPtr())
        manager->setLooping(path, loop);
}
