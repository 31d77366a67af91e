#include "presentation/AnimationSequence.h"

#include "core/LogFile.h"
#include "presentation/AnimationSequenceManager.h"
#include "world/XmlElementLookup.h"
#include "world/XmlFile.h"
#include "world/XmlReading.h"

#include <tinyxml.h>

const std::string& AnimationSequence::elementType() {
    static const std::string type = "AnimationSequence";
    return type;
}

AnimationSequence::AnimationSequence(const std::string& name, ResourceHandle handle,
                                     ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

AnimationSequence::~AnimationSequence() {
    unload();
}

void AnimationSequence::writeLog(const std::string& message, int level) {
    writeXmlLog(message, level);
}

void AnimationSequence::loadImpl() {
    setLoadFailed(false);
    // Logs a missing element and marks this sequence loadFailed by itself; on success it holds
    // the file's lock until the element has been read.
    XmlElementLookup lookup(elementType(), *this, fileHint);
    if (lookup)
        loadFromElement(*lookup.getElement(), *lookup.getFile(), lookup.getMessagePrefix());
}

void AnimationSequence::loadFromElement(const TiXmlElement& element, XmlFile& file,
                                        const std::string& prefix) {
    const char* typeAttribute = element.Attribute("type");
    std::string type = typeAttribute ? typeAttribute : "";
    AnimationSequenceManager* sequences = AnimationSequenceManager::getSingletonPtr();
    const Data* prototype = sequences ? sequences->findSequenceType(type) : nullptr;
    if (!prototype) {
        writeLog(prefix + ": unregistered sequence type: " + type + ".", LogFile::Important);
        setLoadFailed(true);
        return;
    }
    data.reset(prototype->createNew());
    if (!data) {
        writeLog(prefix + ": sequence type createNew function returned null: " + type + ".",
                 LogFile::Important);
        setLoadFailed(true);
        return;
    }
    bool loaded = data->load(element, file);
    // Users only look at the data of a sequence that loaded, so half-read frames go at once.
    if (!loaded)
        data.reset();
    setLoadFailed(!loaded);
    writeLog("Loaded AnimationSequence " + getName() + ".", LogFile::Information);
}

void AnimationSequence::unloadImpl() {
    data.reset();
}
