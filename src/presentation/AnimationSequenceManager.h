#pragma once

#include "core/ResourceManager.h"
#include "core/Singleton.h"
#include "presentation/AnimationSequence.h"

#include <map>
#include <memory>
#include <string>

// The cache of animation sequences by name, and the registry of sequence types by the name that
// data files write in an "AnimationSequence" element's "type" attribute.
//
// Made by the main program after the XmlFileManager (its constructor registers the element type
// there, so it must exist before the first data file is loaded) and destroyed before it. The
// registry owns its prototypes.
class AnimationSequenceManager : public ResourceManager,
                                 public Singleton<AnimationSequenceManager> {
public:
    // Raises the singleton dereference message when there is no XmlFileManager.
    AnimationSequenceManager();
    ~AnimationSequenceManager() override;

    // Registers a copy made with the prototype's createNew, replacing any type of that name; a
    // prototype whose createNew gives null registers nothing.
    void registerSequenceType(const std::string& name, const AnimationSequence::Data& prototype);
    // Null when no such type is registered.
    const AnimationSequence::Data* findSequenceType(const std::string& name) const;

    // The cached sequence, made unloaded when new; a non-empty fileHint says where to look first.
    AnimationSequencePtr getSequence(const std::string& name, const std::string& fileHint = "");
    AnimationSequencePtr getSequence(ResourceHandle handle) const;

protected:
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override;

private:
    std::map<std::string, std::unique_ptr<AnimationSequence::Data>> sequenceTypes;
};
