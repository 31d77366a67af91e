#include "app/DataChecker.h"

#include "app/LevelList.h"
#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/LogManager.h"
#include "presentation/AnimationSequenceManager.h"
#include "presentation/SoundDecoder.h"
#include "presentation/StripSequence.h"
#include "world/ComponentFactory.h"
#include "world/EntityTemplate.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"
#include "world/XmlReading.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_ttf.h>
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

bool isAnimatable(const std::string& type) {
    return type == "Animatable" || type == "OccludedAnimatable";
}

// "sequence" followed by a decimal index: a sequence parameter of an Animatable.
bool isSequenceParam(const std::string& name) {
    return name.size() > 8 && name.compare(0, 8, "sequence") == 0 &&
           std::all_of(name.begin() + 8, name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The animations these components switch their own entity's Animatable to.
const std::map<std::string, std::vector<std::string>>& animationsAskedFor() {
    static const std::map<std::string, std::vector<std::string>> asked = {
        {"PlayerStaticAnimationController", {"Flame", "None"}},
        {"PlayerScrollingAnimationController", {"Flame", "None"}},
        {"PlayerHealthBar", {"HealthBar-Green", "HealthBar-Yellow", "HealthBar-Red"}},
        {"PlayerShieldBar", {"Shield"}}};
    return asked;
}

const TiXmlElement* paramNamed(const TiXmlElement* element, const std::string& name) {
    for (const TiXmlElement* param = element->FirstChildElement("Param"); param;
         param = param->NextSiblingElement("Param"))
        if (attributeOf(param, "name") == name)
            return param;
    return nullptr;
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
        // A starting animation that cannot be set follows from a sequence or name the checker
        // reports itself.
        Kind kind = message.find("unable to resolve filename") != std::string::npos ||
                            message.find("cannot find element name") != std::string::npos ||
                            message.find(" to starting animation") != std::string::npos
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
    } else if (TTF_WasInit()) {
        TTF_Font* opened = TTF_OpenFont(path.c_str(), 16);
        if (!opened)
            report(file, element->Row(), element->Column(), "font " + value + " does not load.");
        else
            TTF_CloseFont(opened);
    }
}

std::optional<std::set<std::string>> DataChecker::animationsOf(const std::string& templateName) {
    std::string file = XmlFileManager::getSingleton().getFileName("EntityTemplate", templateName);
    if (file.empty())
        return std::nullopt;
    EntityTemplatePtr entityTemplate =
        EntityTemplateManager::getSingleton().getTemplate(templateName, file);
    if (!entityTemplate || entityTemplate->getState() != Resource::Loaded)
        return std::nullopt;
    for (const char* type : {"Animatable", "OccludedAnimatable"}) {
        const EntityTemplate::ComponentEntry* entry = entityTemplate->findEntry(type);
        if (!entry)
            continue;
        std::set<std::string> names;
        for (int i = 0;; ++i) {
            std::string sequence = "sequence" + std::to_string(i);
            std::string name = "name" + std::to_string(i);
            if (entry->varParams.has(sequence) || entry->varParams.has(name))
                return std::nullopt;
            std::string animation;
            if (!entry->params.has(sequence) ||
                entry->params.get(name, animation) != ParamList::Found)
                break;
            names.insert(animation);
        }
        return names;
    }
    return std::nullopt;
}

void DataChecker::checkAnimations(const std::string& file, const TiXmlElement* templateElement) {
    std::string templateName = attributeOf(templateElement, "name");
    std::optional<std::set<std::string>> names = animationsOf(templateName);
    for (const TiXmlElement* component = templateElement->FirstChildElement("Component"); component;
         component = component->NextSiblingElement("Component")) {
        std::string type = attributeOf(component, "type");
        if (isAnimatable(type)) {
            for (const TiXmlElement* param = component->FirstChildElement("Param"); param;
                 param = param->NextSiblingElement("Param")) {
                std::string name = attributeOf(param, "name");
                std::string value = attributeOf(param, "value");
                if (isSequenceParam(name) &&
                    XmlFileManager::getSingleton().getFileName("AnimationSequence", value).empty())
                    report(file, param->Row(), param->Column(),
                           "Error: AnimationSequence " + value + " is not defined.",
                           Kind::OwnMissing, value);
                if (name == "animation" && names && !value.empty() && !names->count(value))
                    report(file, param->Row(), param->Column(),
                           "Error: animation " + value + " is not defined in EntityTemplate " +
                               templateName + ".",
                           Kind::OwnMissing, value);
            }
            continue;
        }
        auto asked = animationsAskedFor().find(type);
        if (asked == animationsAskedFor().end() || !names)
            continue;
        for (const std::string& animation : asked->second)
            if (!names->count(animation))
                report(file, component->Row(), component->Column(),
                       "Error: " + type + " needs animation " + animation +
                           ", which EntityTemplate " + templateName + " does not define.",
                       Kind::OwnMissing, animation);
    }
}

// A scripted switch to an animation: its destination's templates must define the animation
// when the scenes say which they are, some template must otherwise.
void DataChecker::checkAnimationEvent(const std::string& file, const TiXmlElement* event) {
    const TiXmlElement* action = paramNamed(event, "action");
    const TiXmlElement* name = paramNamed(event, "name");
    if (!action || !name || attributeOf(action, "value") != std::string("SetAnimation"))
        return;
    std::string animation = attributeOf(name, "value");
    bool known = false;
    auto templates = templatesOfEntity.find(attributeOf(event, "destination"));
    if (templates != templatesOfEntity.end())
        for (const std::string& templateName : templates->second)
            if (std::optional<std::set<std::string>> names = animationsOf(templateName)) {
                if (names->count(animation))
                    return;
                known = true;
            }
    if (known || !allAnimations.count(animation))
        report(file, name->Row(), name->Column(),
               "Error: animation " + animation + " is not defined for " +
                   (known ? "destination " + std::string(attributeOf(event, "destination"))
                          : std::string("any Animatable")) +
                   ".",
               Kind::OwnMissing, animation);
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
    bool topLevel = parent && parent->Parent() && parent->Parent()->ToDocument();
    if (topLevel && type == "EntityTemplate")
        checkAnimations(file, element);
    if (type == "Event" && attributeOf(element, "type") == std::string("AnimationAction"))
        checkAnimationEvent(file, element);
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

// Gathers the animations every template defines and the templates scene entities are made from.
void DataChecker::collectAnimations(const TiXmlElement* element, bool inScene) {
    for (const TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        std::string childType = child->Value();
        if (childType == "EntityTemplate" && !inScene) {
            if (std::optional<std::set<std::string>> names =
                    animationsOf(attributeOf(child, "name")))
                allAnimations.insert(names->begin(), names->end());
        } else if (childType == "EntityTemplate" && *attributeOf(child, "name")) {
            templatesOfEntity[attributeOf(child, "name")].insert(attributeOf(child, "template"));
        }
        collectAnimations(child, inScene || childType == "SceneTemplate");
    }
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
        std::vector<std::unique_ptr<TiXmlDocument>> documents;
        for (const std::string& file : files) {
            documents.push_back(std::make_unique<TiXmlDocument>());
            std::string failure;
            if (!parseXmlFile(file, *documents.back(), failure) || !documents.back()->RootElement())
                documents.back().reset();
        }
        allAnimations.clear();
        templatesOfEntity.clear();
        for (const auto& document : documents)
            if (document)
                collectAnimations(document->RootElement(), false);
        bool fontsStarted = !TTF_WasInit() && TTF_Init() == 0;
        for (std::size_t i = 0; i < files.size(); ++i)
            if (documents[i])
                checkReferences(files[i], documents[i]->RootElement(), false);
        if (fontsStarted)
            TTF_Quit();
        sceneTemplates.unloadAll();
        entityTemplates.unloadAll();
    }
    return printProblems();
}
