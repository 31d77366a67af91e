#include "app/LevelList.h"

#include "core/LogFile.h"
#include "core/ResourceManager.h"
#include "core/myexception.h"
#include "world/EventScriptManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlElementLookup.h"
#include "world/XmlReading.h"

#include <tinyxml.h>

#include <sstream>

namespace {
const char* const typeName = "LevelList";

std::string attribute(const TiXmlElement* element, const char* name) {
    const char* text = element->Attribute(name);
    return text ? text : "";
}

LevelList::Entry readEntry(const TiXmlElement* element) {
    LevelList::Entry entry;
    std::string scene = attribute(element, "scene");
    if (scene.empty())
        return entry;
    if (SceneTemplateManager* scenes = SceneTemplateManager::getSingletonPtr())
        entry.scene = scenes->getTemplate(scene, "");
    std::string script = attribute(element, "script");
    if (!script.empty())
        if (EventScriptManager* scripts = EventScriptManager::getSingletonPtr())
            entry.script = scripts->getTemplate(script, "");
    return entry;
}
} // namespace

const std::string& stateName(State state) {
    static const std::string names[stateCount] = {"MainMenu",    "IntroScene",   "ControlHelp",
                                                  "PowerUpHelp", "LevelSelect",  "LevelFinish",
                                                  "StoryLevel",  "StaticArcade", "ScrollingArcade"};
    return names[static_cast<unsigned>(state) % stateCount];
}

LevelList::LevelList(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

LevelList::~LevelList() {
    unload();
}

void LevelList::loadImpl() {
    setLoadFailed(false);
    unloadImpl();
    XmlElementLookup found(typeName, *this, fileName);
    if (!found)
        return;
    const TiXmlElement* root = found.getElement();
    std::string starting = attribute(root, "startingLevel");
    if (!starting.empty()) {
        std::istringstream stream(starting);
        unsigned value = 0;
        if (stream >> value)
            startingLevel = value;
        else
            writeXmlLog(found.getMessagePrefix() + positionText(root) +
                            ": startingLevel is not a number.",
                        LogFile::Important);
    }
    for (unsigned index = 0; index < stateCount; ++index) {
        ::State state = static_cast<::State>(index);
        if (state == ::State::StoryLevel)
            continue;
        if (const TiXmlElement* element = root->FirstChildElement(stateName(state).c_str()))
            entries[index] = readEntry(element);
    }
    for (const TiXmlElement* element = root->FirstChildElement("StoryLevel"); element;
         element = element->NextSiblingElement("StoryLevel")) {
        StoryLevel level;
        level.entry = readEntry(element);
        if (!level.entry.scene)
            continue;
        level.name = attribute(element, "name");
        level.finishScreen = attribute(element, "finishScreen") == "true";
        storyLevels.push_back(level);
    }
    writeXmlLog(std::string("Loaded ") + typeName + " " + getName() + ".", LogFile::Information);
}

void LevelList::unloadImpl() {
    entries = {};
    storyLevels.clear();
    startingLevel = 0;
}

void LevelList::releaseIdleScenes(const SceneTemplatePtr& current) {
    auto release = [&current](const SceneTemplatePtr& scene) {
        if (scene && scene != current && scene->getState() == Loaded &&
            scene.use_count() == ResourceManager::cachedOnlyUseCount + 1)
            scene->unload();
    };
    for (const Entry& entry : entries)
        release(entry.scene);
    for (const StoryLevel& level : storyLevels)
        release(level.entry.scene);
}

const LevelList::Entry& LevelList::getLevel(::State state) const {
    if (state == ::State::StoryLevel)
        throw myexception("STORY_LEVEL invalid argument for getLevel(State).");
    return entries[static_cast<unsigned>(state) % stateCount];
}

const LevelList::StoryLevel& LevelList::story(std::size_t index) const {
    if (index >= storyLevels.size())
        throw myexception("Index of bounds on story list.");
    return storyLevels[index];
}

const LevelList::Entry& LevelList::getStoryLevel(std::size_t index) const {
    return story(index).entry;
}

const std::string& LevelList::getStoryLevelName(std::size_t index) const {
    return story(index).name;
}

bool LevelList::getStoryLevelFinishScreen(std::size_t index) const {
    return story(index).finishScreen;
}
