#include "presentation/AnimationSequenceManager.h"

#include "world/XmlFileManager.h"

AnimationSequenceManager::AnimationSequenceManager() {
    XmlFileManager::getSingleton().registerElementType(AnimationSequence::elementType());
}

AnimationSequenceManager::~AnimationSequenceManager() {
    unloadAll();
}

void AnimationSequenceManager::registerSequenceType(const std::string& name,
                                                    const AnimationSequence::Data& prototype) {
    std::unique_ptr<AnimationSequence::Data> stored(prototype.createNew());
    if (!stored)
        return;
    sequenceTypes[name] = std::move(stored);
}

const AnimationSequence::Data*
AnimationSequenceManager::findSequenceType(const std::string& name) const {
    auto found = sequenceTypes.find(name);
    return found == sequenceTypes.end() ? nullptr : found->second.get();
}

AnimationSequencePtr AnimationSequenceManager::getSequence(const std::string& name,
                                                           const std::string& fileHint) {
    auto sequence = boost::static_pointer_cast<AnimationSequence>(create(name));
    if (sequence && !fileHint.empty())
        sequence->setFileHint(fileHint);
    return sequence;
}

AnimationSequencePtr AnimationSequenceManager::getSequence(ResourceHandle handle) const {
    return boost::static_pointer_cast<AnimationSequence>(getByHandle(handle));
}

Resource* AnimationSequenceManager::createImpl(const std::string& name, ResourceHandle handle,
                                               ManualResourceLoader* loader) {
    return new AnimationSequence(name, handle, loader);
}
