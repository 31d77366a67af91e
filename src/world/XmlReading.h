#pragma once

#include "core/ParamList.h"

#include <string>
#include <vector>

class TiXmlDocument;
class TiXmlElement;
class TiXmlNode;

// Routines every reader of the XML data files shares: finding a file in a list of directories,
// the position text of messages, Param/VarParam lists, and a parse that malformed or hostile
// files cannot crash.

// Name of the log all data-file messages go to.
extern const char* const xmlLogName;
// Writes to "XmlSystemLogFile.txt" when that log is open; otherwise nothing.
void writeXmlLog(const std::string& message, int level);

// Whether path names a regular file that can be read; folders and devices do not count.
bool isReadableRegularFile(const std::string& path);

// The first directory + name (plain concatenation, directories in order) that is a readable
// regular file. Raises "File <name> not found in given directory list." when none does.
std::string resolveFile(const std::string& name, const std::vector<std::string>& directories);

// ", at row R and column C" of a parsed node, both counted from 1.
std::string positionText(const TiXmlNode* node);

// Adds the name/value pairs of element's children called childName to params. Children missing
// either attribute, and repeated names (the first value stays), are logged with messagePrefix
// and skipped.
void readParams(const std::string& childName, const TiXmlElement* element,
                const std::string& messagePrefix, ParamList& params);
// Param children into params, then VarParam children into varParams; a VarParam whose name is
// already in either list is logged and skipped.
void readParamsAndVarParams(const TiXmlElement* element, const std::string& messagePrefix,
                            ParamList& params, ParamList& varParams);

// Elements nested deeper than this are refused before parsing: the parser recurses once per
// level and would exhaust the stack on a hostile file.
constexpr int maximumXmlNestingDepth = 256;

// Data files larger than this are refused unread: no real one comes near it, and reading a
// hostile one whole would take the memory of the game.
constexpr long long maximumXmlFileSize = 64LL * 1024 * 1024;

bool isOversizedXmlFile(const std::string& path);

// Parses the file at path into document. On failure returns false and sets failure to the
// message tail: ", at row R and column C" when the position is known, then ": " and the
// parser's description.
bool parseXmlFile(const std::string& path, TiXmlDocument& document, std::string& failure);
// The same for text already in memory (the fuzz target feeds this).
bool parseXmlText(const std::string& text, TiXmlDocument& document, std::string& failure);
