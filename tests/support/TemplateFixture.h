#pragma once

#include "core/EventFactory.h"
#include "core/LogManager.h"
#include "support/Params.h"
#include "support/ScratchDirectory.h"
#include "world/ComponentFactory.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/SceneTemplateManager.h"
#include "world/XmlFileManager.h"

#include <gtest/gtest.h>

template <class... Types>
void registerTypes(ComponentFactory& factory, const Types&... prototypes) {
    (factory.registerType(prototypes), ...);
}

// A copy of tests/data/templates with the game's data managers, probe types, and its files loaded.
class TemplateFixture : public ::testing::Test {
protected:
    void SetUp() override;

    void loadDataFile(const std::string& path);

    int countInLog(const std::string& text) const;

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    // In this order, destruction (after a deriving fixture's members) is the game's shut-down.
    std::unique_ptr<LogManager> logs;
    std::unique_ptr<EventFactory> events;
    std::unique_ptr<ComponentFactory> components;
    std::unique_ptr<XmlFileManager> xmlFiles;
    std::unique_ptr<EntityTemplateManager> entityTemplates;
    std::unique_ptr<SceneTemplateManager> sceneTemplates;
    std::unique_ptr<EventScriptManager> eventScripts;
};
