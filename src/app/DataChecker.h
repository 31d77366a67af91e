#pragma once

#include <ostream>
#include <set>
#include <string>

class TiXmlElement;

// Loads a data folder the way the game would, without a window or sound device, and reports each
// problem once as "file:row:column: message". Logged load errors are read back from the data-file
// log as it grows and attributed to the file being loaded.
class DataChecker {
public:
    // dataDir is the folder the game calls "data"; the checker runs from its parent, as the game
    // runs from the folder holding "data".
    explicit DataChecker(const std::string& dataDir);

    // Writes the problems to out and returns how many there were.
    int run(std::ostream& out);

private:
    void checkFile(const std::string& path);
    void loadElement(const std::string& file, const TiXmlElement* element);
    void checkReferences(const std::string& file, const TiXmlElement* element, bool inScene);
    void checkFileValue(const std::string& file, const TiXmlElement* element,
                        const std::string& value);
    void collectLog(const std::string& file, int row, int column);
    void report(const std::string& file, int row, int column, const std::string& message);

    std::string dataDir;
    std::string dataName;
    std::string logPath;
    std::streamoff logOffset = 0;
    std::set<std::string> reported;
    std::ostream* out = nullptr;
};
