#pragma once

#include "app/State.h"
#include "core/Resource.h"
#include "world/EventScript.h"
#include "world/SceneTemplate.h"

#include <array>
#include <string>
#include <vector>

// Which scene template and event script make each screen, and the story levels in playing
// order, read from a "LevelList" element. Templates and scripts are fetched from their managers
// (not loaded) while the list loads; either may be null.
class LevelList : public Resource {
public:
    struct Entry {
        SceneTemplatePtr scene;
        EventScriptPtr script;
    };
    struct StoryLevel {
        Entry entry;
        std::string name;
        bool finishScreen = false;
    };

    LevelList(const std::string& name, ResourceHandle handle = 0,
              ManualResourceLoader* loader = nullptr);
    ~LevelList() override;

    void setFileName(const std::string& path) { fileName = path; }
    const std::string& getFileName() const { return fileName; }

    // Raises "STORY_LEVEL invalid argument for getLevel(State)." for State::StoryLevel.
    const Entry& getLevel(::State state) const;
    std::size_t getNumStoryLevels() const { return storyLevels.size(); }
    // Each raises "Index of bounds on story list." for an index at or past the end.
    const Entry& getStoryLevel(std::size_t index) const;
    const std::string& getStoryLevelName(std::size_t index) const;
    bool getStoryLevelFinishScreen(std::size_t index) const;
    unsigned getStartingLevel() const { return startingLevel; }

    // Unloads the scene template of every screen but `current` that nothing except this list
    // and the template cache holds, so that a level left behind lets go of its pictures; the
    // template loads again when its screen is next built.
    void releaseIdleScenes(const SceneTemplatePtr& current);

protected:
    void loadImpl() override;
    void unloadImpl() override;

private:
    const StoryLevel& story(std::size_t index) const;

    std::string fileName;
    std::array<Entry, stateCount> entries;
    std::vector<StoryLevel> storyLevels;
    unsigned startingLevel = 0;
};
