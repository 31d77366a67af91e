#pragma once

#include <climits>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

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
    // Animation names an entity template's components ask of its own Animatable, and the
    // sequences that Animatable is made of.
    void checkAnimations(const std::string& file, const TiXmlElement* templateElement);
    void checkAnimationEvent(const std::string& file, const TiXmlElement* event);
    void collectAnimations(const TiXmlElement* element, bool inScene);
    // The animation names of a template's Animatable; none when it has no Animatable or its
    // names come from variables.
    std::optional<std::set<std::string>> animationsOf(const std::string& templateName);
    void checkFileValue(const std::string& file, const TiXmlElement* element,
                        const std::string& value);
    void collectLog(const std::string& file, int row, int column);
    // kind says whether the message is the engine's failure to find a file or an element, or
    // the checker's own finding of one: the checker's, which names what is missing, wins.
    enum class Kind { Other, EngineMissing, OwnMissing };
    void report(const std::string& file, int row, int column, const std::string& message,
                Kind kind = Kind::Other, const std::string& subject = "");
    int printProblems();

    struct Problem {
        std::string file;
        int row;
        int column;
        std::string message;
        Kind kind;
        std::string subject; // what an own finding says is missing
        int spanFrom;
        int spanTo;
    };

    std::string dataDir;
    std::string dataName;
    std::string logPath;
    std::streamoff logOffset = 0;
    std::set<std::string> reported;
    // Every animation name some Animatable defines, and the templates each scene entity name
    // is made from: what a scripted animation switch may reach.
    std::set<std::string> allAnimations;
    std::map<std::string, std::set<std::string>> templatesOfEntity;
    std::vector<Problem> problems;
    // The rows of the element being loaded, which the engine's messages belong to.
    int spanFrom = 0;
    int spanTo = INT_MAX;
    std::ostream* out = nullptr;
};
