#pragma once

#include "core/ResourceManager.h"
#include "core/Singleton.h"
#include "world/XmlFile.h"

#include <map>
#include <set>
#include <string>

class LogFile;

// The cache of XML data files and the index of which file defines each named element.
//
// Made after the LogManager and before the managers of the content types, which register their
// element types in their constructors: a file is indexed only for the types registered when it
// loads. The index only grows; a later file defining the same type and name takes it over.
// Files are loaded with create(path) then load(); XmlElementLookup does the usual search.
class XmlFileManager : public ResourceManager, public Singleton<XmlFileManager> {
public:
    XmlFileManager();
    ~XmlFileManager() override;

    void registerElementType(const std::string& type) { elementTypes.insert(type); }
    const std::set<std::string>& getElementTypes() const { return elementTypes; }
    // The path of the file loaded last that defines the element, or "".
    std::string getFileName(const std::string& type, const std::string& name) const;
    // create() cast to the file type; not loaded.
    XmlFilePtr getFile(const std::string& path);

    // "XmlSystemLogFile.txt" (null without a LogManager); valid until the LogManager is
    // destroyed.
    LogFile* getLog() const { return log; }

    // Called by a loading XmlFile for each element it indexes.
    void recordElement(const std::string& type, const std::string& name, const std::string& path) {
        elementIndex[type][name] = path;
    }

protected:
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override;

private:
    std::set<std::string> elementTypes;
    std::map<std::string, std::map<std::string, std::string>> elementIndex;
    LogFile* log = nullptr;
};
