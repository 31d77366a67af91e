#include "presentation/AnimationSequence.h"

#include "core/LogFile.h"
#include "core/LogManager.h"
#include "presentation/AnimationSequenceManager.h"
#include "world/XmlFile.h"
#include "world/XmlFileManager.h"

#include <boost/thread/recursive_mutex.hpp>
#include <tinyxml.h>

namespace {
const char* const xmlLogName = "XmlSystemLogFile.txt";
} // namespace

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
    LogManager* logs = LogManager::getSingletonPtr();
    LogFile* log = logs ? logs->getLog(xmlLogName) : nullptr;
    if (log)
        log->write(message, level);
}

boost::shared_ptr<XmlFile> AnimationSequence::findFile() {
    XmlFileManager* files = XmlFileManager::getSingletonPtr();
    if (!files)
        return boost::shared_ptr<XmlFile>();
    if (!fileHint.empty()) {
        auto hinted = boost::dynamic_pointer_cast<XmlFile>(files->create(fileHint));
        if (hinted) {
            hinted->load();
            if (hinted->hasElement(elementType(), getName()))
                return hinted;
        }
    }
    std::string path = files->getFileName(elementType(), getName());
    if (path.empty())
        return boost::shared_ptr<XmlFile>();
    auto found = boost::dynamic_pointer_cast<XmlFile>(files->create(path));
    if (found)
        found->load();
    return found;
}

void AnimationSequence::loadImpl() {
    setLoadFailed(false);
    const std::string prefix = "Error: Loading " + elementType() + " " + getName();
    boost::shared_ptr<XmlFile> file = findFile();
    const TiXmlElement* element = nullptr;
    if (file) {
        boost::recursive_mutex::scoped_lock lock(file->getMutex());
        file->load();
        element = file->getElement(elementType(), getName());
        if (element) {
            loadFromElement(*element, *file);
            return;
        }
    }
    writeLog(prefix + ": cannot find element name in any loaded xml files.", LogFile::Important);
    setLoadFailed(true);
}

void AnimationSequence::loadFromElement(const TiXmlElement& element, XmlFile& file) {
    const std::string prefix = "Error: Loading " + elementType() + " " + getName();
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
