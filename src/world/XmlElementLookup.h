#pragma once

#include "world/XmlFile.h"

#include <boost/thread/recursive_mutex.hpp>

#include <mutex>
#include <string>

class TiXmlElement;

// Finds the XML element that defines a content resource (an entity template, a scene template,
// an event script, an animation sequence, the level list) and keeps it readable.
//
// The element named like the resource is looked for first in the file the resource remembers,
// then in the file the XmlFileManager's index names (which becomes the remembered file). When
// there is none, the failure is logged as prefix + ": cannot find element name in any loaded
// xml files." and the resource is marked loadFailed.
//
// On success the file's lock is held and the file kept alive until the lookup object goes, so
// read the element within its lifetime and keep no pointers into it afterwards.
class XmlElementLookup {
public:
    XmlElementLookup(const std::string& type, Resource& content, std::string& rememberedPath);
    XmlElementLookup(const XmlElementLookup&) = delete;
    XmlElementLookup& operator=(const XmlElementLookup&) = delete;

    explicit operator bool() const { return element != nullptr; }
    TiXmlElement* getElement() const { return element; }
    const XmlFilePtr& getFile() const { return file; }
    // "Error: Loading " + type + " " + the resource name, for the caller's own messages.
    const std::string& getMessagePrefix() const { return prefix; }

private:
    bool findFile(const std::string& type, const std::string& name, std::string& rememberedPath);

    std::string prefix;
    XmlFilePtr file;
    std::unique_lock<boost::recursive_mutex> lock;
    TiXmlElement* element = nullptr;
};
