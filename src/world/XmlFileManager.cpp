#include "world/XmlFileManager.h"

#include "core/LogManager.h"
#include "world/XmlReading.h"

XmlFileManager::XmlFileManager() {
    if (LogManager* logs = LogManager::getSingletonPtr()) {
        // Reopening would destroy a log that readers of the data files may still point to.
        log = logs->getLog(xmlLogName);
        if (!log)
            log = logs->openLog(xmlLogName, LogFile::Information, false, false);
    }
    writeXmlLog("Created XmlFileManager singleton.", LogFile::Important);
}

XmlFileManager::~XmlFileManager() {
    writeXmlLog("XmlFileManager shut down.", LogFile::Important);
    elementIndex.clear();
    elementTypes.clear();
    // The files unload while the log is still there to hear about it.
    unloadAll();
}

std::string XmlFileManager::getFileName(const std::string& type, const std::string& name) const {
    auto ofType = elementIndex.find(type);
    if (ofType == elementIndex.end())
        return std::string();
    auto found = ofType->second.find(name);
    return found == ofType->second.end() ? std::string() : found->second;
}

XmlFilePtr XmlFileManager::getFile(const std::string& path) {
    return boost::static_pointer_cast<XmlFile>(create(path));
}

Resource* XmlFileManager::createImpl(const std::string& name, ResourceHandle handle,
                                     ManualResourceLoader* loader) {
    return new XmlFile(name, handle, loader);
}
