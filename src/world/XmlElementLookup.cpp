#include "world/XmlElementLookup.h"

#include "core/LogFile.h"
#include "world/XmlFileManager.h"
#include "world/XmlReading.h"

namespace {
XmlFilePtr loadedFile(XmlFileManager& manager, const std::string& path) {
    XmlFilePtr file = manager.getFile(path);
    if (file)
        file->load();
    return file;
}
} // namespace

XmlElementLookup::XmlElementLookup(const std::string& type, Resource& content,
                                   std::string& rememberedPath)
    : prefix("Error: Loading " + type + " " + content.getName()) {
    const std::string& name = content.getName();
    if (findFile(type, name, rememberedPath)) {
        lock = std::unique_lock<boost::recursive_mutex>(file->getMutex());
        element = file->getElement(type, name);
        if (!element)
            lock.unlock();
    }
    if (!element) {
        writeXmlLog(prefix + ": cannot find element name in any loaded xml files.",
                    LogFile::Important);
        content.setLoadFailed(true);
    }
}

bool XmlElementLookup::findFile(const std::string& type, const std::string& name,
                                std::string& rememberedPath) {
    XmlFileManager* manager = XmlFileManager::getSingletonPtr();
    if (!manager)
        return false;
    if (!rememberedPath.empty()) {
        file = loadedFile(*manager, rememberedPath);
        if (file && file->hasElement(type, name))
            return true;
    }
    rememberedPath = manager->getFileName(type, name);
    file.reset();
    if (!rememberedPath.empty())
        file = loadedFile(*manager, rememberedPath);
    return static_cast<bool>(file);
}
