#pragma once

#include "core/Resource.h"

#include <boost/shared_ptr.hpp>

#include <map>
#include <memory>
#include <string>
#include <vector>

class TiXmlDocument;
class TiXmlElement;

// One XML data file, cached by the XmlFileManager under its path exactly as written.
//
// Loading parses the file, follows its IncludeFile children (each file is loaded once per path,
// so files that include each other do not recurse) and indexes the root's children of every
// registered element type by their name attribute, both here and in the manager's index.
//
// Element pointers belong to the parsed document. They are valid while the file stays Loaded,
// which is only guaranteed while its lock is held (getMutex()): content loaders take the lock,
// look the element up and read it before letting go. After an unload the names are kept, so
// hasElement still answers, but getElement returns null until the file is loaded again.
class XmlFile : public Resource {
public:
    typedef std::map<std::string, std::map<std::string, TiXmlElement*>> ElementMap;

    XmlFile(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    ~XmlFile() override;

    // Whether this file defined the element when it last loaded, loaded now or not.
    bool hasElement(const std::string& type, const std::string& name);
    // The element, or null when the file is not Loaded or does not define it.
    TiXmlElement* getElement(const std::string& type, const std::string& name);

    const ElementMap& getElements() const { return elements; }
    // "./", "./data/", then the file's own SearchDirectory paths, each ending in "/".
    const std::vector<std::string>& getSearchDirectories() const { return searchDirectories; }
    // Resolved paths of the files this one included and that are in the manager.
    const std::vector<std::string>& getIncludedFiles() const { return includedFiles; }

protected:
    void loadImpl() override;
    void unloadImpl() override;

private:
    void loadDocument();
    std::string messagePrefix(const TiXmlElement* child) const;
    void readSearchDirectories(const TiXmlElement* root);
    void loadIncludes(const TiXmlElement* root);
    void indexElements(const TiXmlElement* root);

    ElementMap elements;
    std::vector<std::string> searchDirectories;
    std::vector<std::string> includedFiles;
    std::unique_ptr<TiXmlDocument> document;
};

typedef boost::shared_ptr<XmlFile> XmlFilePtr;
