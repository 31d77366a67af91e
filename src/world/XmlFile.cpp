#include "world/XmlFile.h"

#include "core/LogFile.h"
#include "world/XmlFileManager.h"
#include "world/XmlReading.h"

#include <tinyxml.h>

#include <mutex>
#include <set>

namespace {
// Each include loads inside the load of the file that names it, so a long chain of includes is a
// deep recursion; past this depth the chain is cut rather than the stack exhausted.
const int maximumIncludeDepth = 128;
int includeDepth = 0;

class IncludeDepthGuard {
public:
    IncludeDepthGuard() { ++includeDepth; }
    ~IncludeDepthGuard() { --includeDepth; }
    IncludeDepthGuard(const IncludeDepthGuard&) = delete;
    IncludeDepthGuard& operator=(const IncludeDepthGuard&) = delete;
};
} // namespace

XmlFile::XmlFile(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

XmlFile::~XmlFile() {
    unload();
}

bool XmlFile::hasElement(const std::string& type, const std::string& name) {
    std::lock_guard<boost::recursive_mutex> lock(getMutex());
    auto ofType = elements.find(type);
    return ofType != elements.end() && ofType->second.count(name) != 0;
}

TiXmlElement* XmlFile::getElement(const std::string& type, const std::string& name) {
    std::lock_guard<boost::recursive_mutex> lock(getMutex());
    if (getState() != Loaded)
        return nullptr;
    auto ofType = elements.find(type);
    if (ofType == elements.end())
        return nullptr;
    auto found = ofType->second.find(name);
    return found == ofType->second.end() ? nullptr : found->second;
}

std::string XmlFile::messagePrefix(const TiXmlElement* child) const {
    return "Error: Loading XmlFile " + getName() + positionText(child);
}

void XmlFile::loadImpl() {
    // Whatever a data file holds, its load ends in a message, never in an exception that would
    // end the game.
    try {
        loadDocument();
    } catch (const std::exception& error) {
        writeXmlLog("Error: Loading XmlFile " + getName() + ": " + error.what(),
                    LogFile::Important);
        setLoadFailed(true);
    }
}

void XmlFile::loadDocument() {
    elements.clear();
    searchDirectories.clear();
    includedFiles.clear();
    setLoadFailed(false);

    auto parsed = std::make_unique<TiXmlDocument>(getName().c_str());
    std::string failure;
    if (!parseXmlFile(getName(), *parsed, failure)) {
        writeXmlLog("Error: Loading XmlFile " + getName() + failure, LogFile::Important);
        setLoadFailed(true);
        return;
    }
    document = std::move(parsed);
    const TiXmlElement* root = document->FirstChildElement();
    readSearchDirectories(root);
    loadIncludes(root);
    indexElements(root);
    writeXmlLog("Loaded XmlFile " + getName() + ".", LogFile::Information);
}

void XmlFile::readSearchDirectories(const TiXmlElement* root) {
    searchDirectories.push_back("./");
    searchDirectories.push_back("./data/");
    std::set<std::string> declared;
    for (const TiXmlElement* child = root->FirstChildElement("SearchDirectory"); child;
         child = child->NextSiblingElement("SearchDirectory")) {
        const char* pathText = child->Attribute("path");
        if (!pathText) {
            writeXmlLog(messagePrefix(child) + ": path attribute missing from SearchDirectory.",
                        LogFile::Important);
            continue;
        }
        std::string path = pathText;
        if (path.empty() || path.back() != '/')
            path += '/';
        if (!declared.insert(path).second) {
            writeXmlLog(messagePrefix(child) + ": duplicate path attribute " + path +
                            " of SearchDirectory.",
                        LogFile::Important);
            continue;
        }
        searchDirectories.push_back(path);
    }
}

void XmlFile::loadIncludes(const TiXmlElement* root) {
    XmlFileManager* manager = XmlFileManager::getSingletonPtr();
    std::set<std::string> seen;
    for (const TiXmlElement* child = root->FirstChildElement("IncludeFile"); child;
         child = child->NextSiblingElement("IncludeFile")) {
        const char* fileText = child->Attribute("file");
        if (!fileText) {
            writeXmlLog(messagePrefix(child) + ": file attribute missing from IncludeFile.",
                        LogFile::Important);
            continue;
        }
        std::string path;
        try {
            path = resolveFile(fileText, searchDirectories);
        } catch (const myexception&) {
            writeXmlLog(messagePrefix(child) + ": cannot find include file " + fileText +
                            " in any search directories.",
                        LogFile::Important);
            continue;
        }
        if (!seen.insert(path).second) {
            writeXmlLog(messagePrefix(child) + ": duplicate name attribute " + fileText +
                            " of IncludeFile.",
                        LogFile::Important);
            continue;
        }
        if (isOversizedXmlFile(path)) {
            writeXmlLog(messagePrefix(child) + ": include file " + fileText + " is larger than " +
                            std::to_string(maximumXmlFileSize) + " bytes.",
                        LogFile::Important);
            continue;
        }
        if (!manager)
            continue;
        // A file already in the manager is loading or loaded already (or was unloaded on
        // purpose); loading it again here is what would make mutual includes endless.
        if (manager->getByName(path)) {
            includedFiles.push_back(path);
            continue;
        }
        if (includeDepth >= maximumIncludeDepth) {
            writeXmlLog(messagePrefix(child) + ": include files nested more than " +
                            std::to_string(maximumIncludeDepth) + " deep.",
                        LogFile::Important);
            continue;
        }
        ResourcePtr included = manager->create(path);
        if (!included)
            continue;
        {
            IncludeDepthGuard nested;
            included->load();
        }
        if (!included->loadFailed())
            includedFiles.push_back(path);
    }
}

void XmlFile::indexElements(const TiXmlElement* root) {
    XmlFileManager* manager = XmlFileManager::getSingletonPtr();
    if (!manager)
        return;
    for (const std::string& type : manager->getElementTypes()) {
        std::map<std::string, TiXmlElement*>& ofType = elements[type];
        for (const TiXmlElement* child = root->FirstChildElement(type.c_str()); child;
             child = child->NextSiblingElement(type.c_str())) {
            const char* nameText = child->Attribute("name");
            // A garbled attribute can read as an empty name, which no resource can carry.
            if (!nameText || !*nameText) {
                writeXmlLog(messagePrefix(child) + ": name attribute missing from " + type + ".",
                            LogFile::Important);
                continue;
            }
            std::string name = nameText;
            if (ofType.count(name) != 0) {
                writeXmlLog(messagePrefix(child) + ": duplicate name attribute " + name + " of " +
                                type + ".",
                            LogFile::Important);
                continue;
            }
            ofType[name] = const_cast<TiXmlElement*>(child);
            manager->recordElement(type, name, getName());
        }
        if (ofType.empty())
            elements.erase(type);
    }
}

void XmlFile::unloadImpl() {
    document.reset();
    for (auto& ofType : elements)
        for (auto& entry : ofType.second)
            entry.second = nullptr;
    writeXmlLog("Unloaded template file " + getName() + ".", LogFile::Detail);
}
