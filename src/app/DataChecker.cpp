#include "app/DataChecker.h"

#include "app/LevelList.h"
#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/LogManager.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/SoundDecoder.h"
#include "presentation/StripSequence.h"
#include "world/ComponentFactory.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"
#include "world/XmlReading.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <tinyxml.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           std::equal(tail.rbegin(), tail.rend(), text.rbegin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

bool powerOfTwo(int side) {
    return side > 0 && (side & (side - 1)) == 0;
}

const char* attributeOf(const TiXmlElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value ? value : "";
}

// Puts the working directory back however the check ends.
struct WorkingDirectoryGuard {
    fs::path previous = fs::current_path();
    ~WorkingDirectoryGuard() {
        std::error_code ignored;
        fs::current_path(previous, ignored);
    }
};

} // namespace

DataChecker::DataChecker(const std::string& dir) {
    // Absolute first, so that "." or "../data" name the folder itself.
    fs::path path = fs::absolute(dir).lexically_normal();
    if (path.filename().empty())
        path = path.parent_path();
    dataDir = path.string();
    dataName = path.filename().string();
}

void DataChecker::report(const std::string& file, int row, int column, const std::string& message,
                         Kind kind, const std::string& subject) {
    std::string line =
        file + ":" + std::to_string(row) + ":" + std::to_string(column) + ": " + message;
    if (reported.insert(line).second)
        problems.push_back({file, row, column, message, kind, subject, spanFrom, spanTo});
}

// Prints the problems in file and row order, each once, and returns how many were printed.
int DataChecker::printProblems() {
    std::stable_sort(problems.begin(), problems.end(), [](const Problem& a, const Problem& b) {
        return std::tie(a.file, a.row, a.column) < std::tie(b.file, b.row, b.column);
    });
    int printed = 0;
    for (const Problem& problem : problems) {
        bool shadowed =
            problem.kind == Kind::EngineMissing &&
            std::any_of(problems.begin(), problems.end(), [&](const Problem& own) {
                return own.kind == Kind::OwnMissing && own.file == problem.file &&
                       ((own.row >= problem.spanFrom && own.row <= problem.spanTo) ||
                        problem.message.find(" " + own.subject + ":") != std::string::npos);
            });
        if (shadowed)
            continue;
        *out << problem.file << ":" << problem.row << ":" << problem.column << ": "
             << problem.message << std::endl;
        ++printed;
    }
    return printed;
}

// Reads the lines the data-file log gained since the last call and reports the errors and
// warnings among them against file, at their own position when they give one.
void DataChecker::collectLog(const std::string& file, int row, int column) {
    std::ifstream log(logPath);
    log.seekg(logOffset);
    std::string line;
    while (std::getline(log, line)) {
        logOffset = log.tellg();
        if (logOffset < 0)
            break;
        // Each line starts with its time, "hh:mm:ss: ".
        std::string message = line.size() > 10 && line[8] == ':' ? line.substr(10) : line;
        if (message.rfind("Error", 0) != 0 && message.rfind("Warning", 0) != 0)
            continue;
        // Without a window there are no texture or font managers to build drawn components
        // with; their images and fonts are checked on their own instead.
        if (message.find("TextureManager when singleton is null") != std::string::npos ||
            message.find("FontManager when singleton is null") != std::string::npos)
            continue;
        Kind kind = message.find("unable to resolve filename") != std::string::npos ||
                            message.find("cannot find element name") != std::string::npos
                        ? Kind::EngineMissing
                        : Kind::Other;
        int messageRow = 0;
        int messageColumn = 0;
        std::size_t at = message.find(", at row ");
        if (at != std::string::npos &&
            std::sscanf(message.c_str() + at, ", at row %d and column %d", &messageRow,
                        &messageColumn) == 2)
            report(file, messageRow, messageColumn, message, kind);
        else
            report(file, row, column, message, kind);
    }
    log.clear();
    log.seekg(0, std::ios::end);
    logOffset = log.tellg();
}

void DataChecker::loadElement(const std::string& file, const TiXmlElement* element) {
    std::string type = element->Value();
    std::string name = attributeOf(element, "name");
    if (name.empty())
        return;
    try {
        if (type == "EntityTemplate")
            EntityTemplateManager::getSingleton().getTemplate(name, file)->load();
        else if (type == "SceneTemplate")
            SceneTemplateManager::getSingleton().getTemplate(name, file)->load();
        else if (type == "EventScript")
            EventScriptManager::getSingleton().getTemplate(name, file)->load();
        else if (type == "AnimationSequence")
            AnimationSequenceManager::getSingleton().getSequence(name, file)->load();
    } catch (const std::exception& error) {
        report(file, element->Row(), element->Column(), error.what());
    }
    const TiXmlElement* next = element->NextSiblingElement();
    spanFrom = element->Row();
    spanTo = next ? next->Row() - 1 : INT_MAX;
    collectLog(file, element->Row(), element->Column());
    spanFrom = 0;
    spanTo = INT_MAX;
}

void DataChecker::checkFileValue(const std::string& file, const TiXmlElement* element,
                                 const std::string& value) {
    bool image = endsWith(value, ".png") || endsWith(value, ".bmp");
    bool sound = endsWith(value, ".ogg") || endsWith(value, ".wav");
    bool font = endsWith(value, ".ttf");
    if (!image && !sound && !font)
        return;
    std::string path = dataName + "/" + value;
    if (!isReadableRegularFile(path)) {
        report(file, element->Row(), element->Column(),
               "file " + value + " not found in " + dataName + ".", Kind::OwnMissing, value);
        return;
    }
    if (image) {
        SDL_Surface* surface = IMG_Load(path.c_str());
        if (!surface) {
            report(file, element->Row(), element->Column(), "image " + value + " unreadable.");
            return;
        }
        if (surface->format->BitsPerPixel != 32)
            report(file, element->Row(), element->Column(), "image " + value + " is not 32-bit.");
        if (!powerOfTwo(surface->w) || !powerOfTwo(surface->h))
            report(file, element->Row(), element->Column(),
                   "image " + value + " sides are not powers of two.");
        SDL_FreeSurface(surface);
    } else if (sound) {
        std::unique_ptr<SoundDecoder> decoder;
        if (SoundDecoder::open(path, decoder) != FMOD_OK)
            report(file, element->Row(), element->Column(), "sound " + value + " does not decode.");
    }
}

// Template and script names used inside scene templates, base templates and the level list must
// name an element some loaded file defines.
void DataChecker::checkReferences(const std::string& file, const TiXmlElement* element,
                                  bool inScene) {
    const XmlFileManager& files = XmlFileManager::getSingleton();
    auto require = [&](const std::string& type, const std::string& name) {
        if (!name.empty() && files.getFileName(type, name).empty())
            report(file, element->Row(), element->Column(),
                   "Error: " + type + " " + name + " is not defined.", Kind::OwnMissing, name);
    };
    std::string type = element->Value();
    if (inScene && type == "EntityTemplate")
        require("EntityTemplate", attributeOf(element, "template"));
    if (inScene && type == "SceneTemplate")
        require("SceneTemplate", attributeOf(element, "name"));
    if (type == "BaseTemplate")
        require("EntityTemplate", attributeOf(element, "name"));
    // Component parameters that name a script or a template to make later.
    if (type == "Param") {
        std::string param = attributeOf(element, "name");
        std::string value = attributeOf(element, "value");
        if (param == "script")
            require("EventScript", value);
        else if (param == "explosion")
            require("EntityTemplate", value);
        else if (param == "template" && files.getFileName("SceneTemplate", value).empty())
            require("EntityTemplate", value);
    }
    const TiXmlElement* parent = element->Parent() ? element->Parent()->ToElement() : nullptr;
    if (parent && std::string(parent->Value()) == "LevelList") {
        require("SceneTemplate", attributeOf(element, "scene"));
        require("EventScript", attributeOf(element, "script"));
    }
    for (const TiXmlAttribute* attribute = element->FirstAttribute(); attribute;
         attribute = attribute->Next())
        checkFileValue(file, element, attribute->Value());
    bool childInScene = inScene || type == "SceneTemplate";
    for (const TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement())
        checkReferences(file, child, childInScene);
}

void DataChecker::checkFile(const std::string& path) {
    XmlFileManager::getSingleton().getFile(path)->load();
    collectLog(path, 0, 0);
    TiXmlDocument document;
    std::string failure;
    if (!parseXmlFile(path, document, failure))
        return;
    const TiXmlElement* root = document.RootElement();
    for (const TiXmlElement* element = root ? root->FirstChildElement() : nullptr; element;
         element = element->NextSiblingElement())
        loadElement(path, element);
}

int DataChecker::run(std::ostream& stream) {
    out = &stream;
    reported.clear();
    problems.clear();
    WorkingDirectoryGuard restore;
    // The logs stay in the folder the checker was started from; the data is read from its own.
    logPath = (fs::current_path() / xmlLogName).string();
    {
        LogManager logs;
        logs.openLog("VantorixCheckLog.txt", LogFile::Information, false, true);
        logs.openLog(xmlLogName, LogFile::Information, false, false);
        fs::current_path(fs::path(dataDir).parent_path());
        XmlFileManager xmlFiles;
        xmlFiles.registerElementType("LevelList");
        EntityTemplateManager entityTemplates;
        SceneTemplateManager sceneTemplates;
        EventScriptManager eventScripts;
        AnimationSequenceManager animationSequences;
        animationSequences.registerSequenceType("StripSequence", StripSequence());
        ComponentFactory componentFactory;
        registerComponentTypes(componentFactory);
        EventFactory eventFactory;
        registerEventTypes(eventFactory);
        collectLog("", 0, 0);
        reported.clear();
        problems.clear();

        std::string levelListFile = "./" + dataName + "/templates/Scene.xml";
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dataName))
            if (entry.is_regular_file() && endsWith(entry.path().string(), ".xml"))
                files.push_back("./" + entry.path().lexically_normal().string());
        std::sort(files.begin(), files.end());
        // The level list first, so that what it includes is indexed as the game indexes it.
        files.erase(std::remove(files.begin(), files.end(), levelListFile), files.end());
        files.insert(files.begin(), levelListFile);
        for (const std::string& file : files)
            checkFile(file);
        {
            LevelList levelList("VantorixMain");
            levelList.setFileName(levelListFile);
            try {
                levelList.load();
            } catch (const std::exception& error) {
                report(levelListFile, 0, 0, error.what());
            }
            collectLog(levelListFile, 0, 0);
        }
        for (const std::string& file : files) {
            TiXmlDocument document;
            std::string failure;
            if (parseXmlFile(file, document, failure) && document.RootElement())
                checkReferences(file, document.RootElement(), false);
        }
        sceneTemplates.unloadAll();
        entityTemplates.unloadAll();
    }
    return printProblems();
}
