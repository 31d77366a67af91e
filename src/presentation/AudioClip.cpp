#include "presentation/AudioClip.h"

#include "presentation/AudioClipManager.h"

#include <iostream>

AudioClip::AudioClip(const std::string& clipPath) {
    attach(clipPath);
}

AudioClip::AudioClip(const AudioClip& other) {
    attach(other.path);
}

AudioClip& AudioClip::operator=(const AudioClip& other) {
    if (this != &other) {
        detach();
        attach(other.path);
    }
    return *this;
}

AudioClip::~AudioClip() {
    detach();
}

void AudioClip::attach(const std::string& newPath) {
    path = newPath;
    if (!path.empty())
        if (AudioClipManager* manager = AudioClipManager::getSingletonPtr())
            manager->addRef(*this);
}

void AudioClip::detach() {
    AudioClipManager* manager = AudioClipManager::getSingletonPtr();
    if (!manager || path.empty())
        return;
    try {
        manager->stop(*this);
    } catch (const std::exception& error) {
        std::cerr << "Error stopping clip: " << error.what() << std::endl;
    }
    try {
        manager->release(*this);
    } catch (const std::exception& error) {
        std::cerr << "Error decrementing clip count: " << error.what() << std::endl;
    }
}

void AudioClip::play() const {
    if (AudioClipManager* manager = AudioClipManager::getSingletonPtr())
        manager->play(*this);
}

void AudioClip::stop() const {
    if (AudioClipManager* manager = AudioClipManager::getSingletonPtr())
        manager->stop(*this);
}

bool AudioClip::isPlaying() const {
    AudioClipManager* manager = AudioClipManager::getSingletonPtr();
    return manager && manager->isPlaying(*this);
}
