#include "world/XmlReading.h"

#include "core/LogManager.h"

#include <tinyxml.h>
#include <unistd.h>

#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <set>

const char* const xmlLogName = "XmlSystemLogFile.txt";

void writeXmlLog(const std::string& message, int level) {
    LogManager* logs = LogManager::getSingletonPtr();
    if (!logs)
        return;
    if (LogFile* log = logs->getLog(xmlLogName))
        log->write(message, level);
}

bool isReadableRegularFile(const std::string& path) {
    struct stat status;
    // Opening is not enough: a folder opens on Linux and a device reads without end.
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), R_OK) == 0;
}

bool isOversizedXmlFile(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && status.st_size > maximumXmlFileSize;
}

std::string resolveFile(const std::string& name, const std::vector<std::string>& directories) {
    for (const std::string& directory : directories) {
        std::string path = directory + name;
        if (isReadableRegularFile(path))
            return path;
    }
    throw myexception("File " + name + " not found in given directory list.");
}

std::string positionText(const TiXmlNode* node) {
    // The parser's Row() and Column() already count from 1.
    return ", at row " + std::to_string(node->Row()) + " and column " +
           std::to_string(node->Column());
}

namespace {
// Reads one Param-like child; returns false (after logging) when it must be skipped.
bool readPair(const TiXmlElement* child, const std::string& childName,
              const std::string& messagePrefix, std::string& name, std::string& value) {
    const char* nameText = child->Attribute("name");
    const char* valueText = child->Attribute("value");
    std::string where = messagePrefix + positionText(child);
    if (!nameText) {
        writeXmlLog(where + ": name attribute missing from " + childName + ".", 2);
        return false;
    }
    if (!valueText) {
        writeXmlLog(where + ": value attribute missing from " + childName + ".", 2);
        return false;
    }
    name = nameText;
    value = valueText;
    return true;
}

void logDuplicate(const TiXmlElement* child, const std::string& childName,
                  const std::string& messagePrefix, const std::string& name) {
    writeXmlLog(messagePrefix + positionText(child) + ": duplicate name attribute " + name +
                    " of " + childName + ".",
                2);
}
} // namespace

void readParams(const std::string& childName, const TiXmlElement* element,
                const std::string& messagePrefix, ParamList& params) {
    for (const TiXmlElement* child = element->FirstChildElement(childName.c_str()); child;
         child = child->NextSiblingElement(childName.c_str())) {
        std::string name, value;
        if (!readPair(child, childName, messagePrefix, name, value))
            continue;
        if (params.has(name)) {
            logDuplicate(child, childName, messagePrefix, name);
            continue;
        }
        params.set(name, value);
    }
}

void readParamsAndVarParams(const TiXmlElement* element, const std::string& messagePrefix,
                            ParamList& params, ParamList& varParams) {
    readParams("Param", element, messagePrefix, params);
    const std::string childName = "VarParam";
    for (const TiXmlElement* child = element->FirstChildElement(childName.c_str()); child;
         child = child->NextSiblingElement(childName.c_str())) {
        std::string name, value;
        if (!readPair(child, childName, messagePrefix, name, value))
            continue;
        if (params.has(name) || varParams.has(name)) {
            logDuplicate(child, childName, messagePrefix, name);
            continue;
        }
        varParams.set(name, value);
    }
}

namespace {
bool startsWith(const std::string& text, std::size_t at, const char* prefix) {
    return text.compare(at, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Index just past the first occurrence of end at or after from, or the text's size.
std::size_t skipPast(const std::string& text, std::size_t from, const char* end) {
    std::size_t found = text.find(end, from);
    return found == std::string::npos ? text.size() : found + std::char_traits<char>::length(end);
}

// Index just past the '>' closing the start tag at from. A quote opens a value only right after
// '=', so a stray quote cannot hide the rest of the file from the scan.
std::size_t skipStartTag(const std::string& text, std::size_t from, bool& selfClosing) {
    bool afterEquals = false;
    for (std::size_t at = from; at < text.size(); ++at) {
        char c = text[at];
        if (c == '>') {
            selfClosing = at > from && text[at - 1] == '/';
            return at + 1;
        }
        if ((c == '"' || c == '\'') && afterEquals) {
            std::size_t close = text.find(c, at + 1);
            if (close == std::string::npos)
                return text.size();
            at = close;
            afterEquals = false;
        } else if (c == '=') {
            afterEquals = true;
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            afterEquals = false;
        }
    }
    selfClosing = false;
    return text.size();
}

// Offset of the first start tag nested deeper than the limit, or npos. Errs towards counting
// more depth than the parser will build, never less.
std::size_t findExcessiveNesting(const std::string& text) {
    int depth = 0;
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        if (startsWith(text, at, "<!--")) {
            at = skipPast(text, at + 4, "-->");
        } else if (startsWith(text, at, "<![CDATA[")) {
            at = skipPast(text, at + 9, "]]>");
        } else if (startsWith(text, at, "<!") || startsWith(text, at, "<?")) {
            at = skipPast(text, at + 2, ">");
        } else if (startsWith(text, at, "</")) {
            if (depth > 0)
                --depth;
            at = skipPast(text, at + 2, ">");
        } else {
            bool selfClosing = false;
            std::size_t start = at;
            at = skipStartTag(text, at + 1, selfClosing);
            if (!selfClosing && ++depth > maximumXmlNestingDepth)
                return start;
        }
    }
    return std::string::npos;
}

std::string positionOfOffset(const std::string& text, std::size_t offset) {
    int row = 1, column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++row;
            column = 1;
        } else {
            ++column;
        }
    }
    return ", at row " + std::to_string(row) + " and column " + std::to_string(column);
}

// Line ends as the parser's own file loading makes them, so rows count the same way.
std::string normaliseLineEnds(const std::string& raw) {
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r') {
            text += '\n';
            if (i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
        } else {
            text += raw[i];
        }
    }
    return text;
}

std::string parserFailure(const TiXmlDocument& document) {
    std::string failure;
    // The parser reports 0 for a position it does not know.
    if (document.ErrorRow() > 0 && document.ErrorCol() > 0)
        failure = ", at row " + std::to_string(document.ErrorRow()) + " and column " +
                  std::to_string(document.ErrorCol());
    return failure + ": " + document.ErrorDesc();
}
} // namespace

bool parseXmlText(const std::string& rawText, TiXmlDocument& document, std::string& failure) {
    std::string text = normaliseLineEnds(rawText);
    // The parser stops at a NUL byte; what it would see is what gets checked.
    text.resize(std::char_traits<char>::length(text.c_str()));
    std::size_t tooDeep = findExcessiveNesting(text);
    if (tooDeep != std::string::npos) {
        failure = positionOfOffset(text, tooDeep) + ": Elements nested more than " +
                  std::to_string(maximumXmlNestingDepth) + " levels deep.";
        return false;
    }
    document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (document.Error()) {
        failure = parserFailure(document);
        return false;
    }
    if (!document.FirstChildElement()) {
        failure = ": Document has no root element.";
        return false;
    }
    return true;
}

bool parseXmlFile(const std::string& path, TiXmlDocument& document, std::string& failure) {
    std::ifstream file;
    if (isReadableRegularFile(path))
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        // The parser's own wording for a file it cannot open.
        failure = ": Failed to open file";
        return false;
    }
    if (isOversizedXmlFile(path)) {
        failure = ": File larger than " + std::to_string(maximumXmlFileSize) + " bytes.";
        return false;
    }
    std::string text;
    try {
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        failure = ": Failed to read file";
        return false;
    }
    // The file may have grown since it was measured.
    if (text.size() > static_cast<std::size_t>(maximumXmlFileSize)) {
        failure = ": File larger than " + std::to_string(maximumXmlFileSize) + " bytes.";
        return false;
    }
    return parseXmlText(text, document, failure);
}
