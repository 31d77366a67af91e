#pragma once

#include "world/XmlFile.h"

#include <string>

class LogFile;
class TiXmlElement;

// The element that defines one named piece of content (an entity template, a scene template, an
// event script), found by the lookup every content loader shares: the file the content was last
// found in first, then the manager's index.
//
// The file stays locked while a ContentElement lives, so the element pointer stays valid for the
// loader that reads it; a ContentElement that found nothing holds no lock.
class ContentElement {
public:
    // fileHint is read and, when the index answers, replaced by the file that defines the element.
    // Failure is logged with prefix + ": cannot find element name in any loaded xml files.".
    ContentElement(const std::string& type, const std::string& name, std::string& fileHint,
                   const std::string& prefix);
    ~ContentElement();
    ContentElement(const ContentElement&) = delete;
    ContentElement& operator=(const ContentElement&) = delete;

    // Null when nothing was found.
    TiXmlElement* get() const { return element; }
    const XmlFilePtr& getFile() const { return file; }

private:
    XmlFilePtr file;
    TiXmlElement* element = nullptr;
};

// The data-file log, or null once the XML file manager's log is gone.
LogFile* xmlLog();
// Writes to the data-file log when it exists.
void writeXmlLog(const std::string& message, int level);
