#pragma once

#include "core/EventFactory.h"
#include "core/LogManager.h"
#include "support/ScratchDirectory.h"
#include "world/ComponentFactory.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Every test gets a copy of tests/data/templates as its working directory, and the managers the
// game makes for its data, in the game's order: the XML file manager, the entity template,
// scene template and event script managers, and both factories with the probe types of
// ProbeComponent.h and the world's own component and event types. The data files Entities.xml,
// Scenes.xml and Scripts.xml are loaded. Everything goes in the game's shut-down order.
class TemplateFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads a data file of the working directory.
    void loadDataFile(const std::string& path);
    // Ends the XML file manager early, as the game's shut-down does before the factories.
    void shutDownXmlFiles();

    std::string log() const;
    int countInLog(const std::string& text) const;

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<LogManager> logs;
    std::unique_ptr<XmlFileManager> xmlFiles;
    std::unique_ptr<ComponentFactory> components;
    std::unique_ptr<EventFactory> events;
    std::unique_ptr<EntityTemplateManager> entityTemplates;
    std::unique_ptr<SceneTemplateManager> sceneTemplates;
    std::unique_ptr<EventScriptManager> eventScripts;
};
