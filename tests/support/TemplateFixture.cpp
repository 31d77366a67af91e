#include "support/TemplateFixture.h"

#include "core/EventFactory.h"
#include "core/LogManager.h"
#include "support/ProbeComponent.h"
#include "world/ComponentAdder.h"
#include "world/ComponentAdderActionEvent.h"
#include "world/ComponentFactory.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/RunScriptWhenAdded.h"
#include "world/SceneTemplateManager.h"
#include "world/ScriptRunner.h"
#include "world/ScriptRunnerActionEvent.h"
#include "world/TemplateInstantiationActionEvent.h"
#include "world/TemplateInstantiator.h"
#include "world/XmlFileManager.h"
#include "world/XmlReading.h"

#include <filesystem>

void TemplateFixture::SetUp() {
    std::filesystem::copy(VANTORIX_TEST_DATA_DIR "/templates", scratch.path(),
                          std::filesystem::copy_options::recursive);
    inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
    logs = std::make_unique<LogManager>();
    xmlFiles = std::make_unique<XmlFileManager>();
    entityTemplates = std::make_unique<EntityTemplateManager>();
    sceneTemplates = std::make_unique<SceneTemplateManager>();
    eventScripts = std::make_unique<EventScriptManager>();

    components = std::make_unique<ComponentFactory>();
    components->registerType(ProbeComponent());
    components->registerType(OtherProbeComponent());
    components->registerType(RoleProbeComponent());
    components->registerType(ComponentAdder());
    components->registerType(RunScriptWhenAdded());
    components->registerType(ScriptRunner());
    components->registerType(TemplateInstantiator());
    events = std::make_unique<EventFactory>();
    events->registerType(ProbeEvent());
    events->registerType(ComponentAdderActionEvent());
    events->registerType(ScriptRunnerActionEvent());
    events->registerType(TemplateInstantiationActionEvent());
    ProbeComponent::resetCounts();

    loadDataFile("./Entities.xml");
    loadDataFile("./Scenes.xml");
    loadDataFile("./Scripts.xml");
}

void TemplateFixture::TearDown() {
    eventScripts.reset();
    sceneTemplates.reset();
    entityTemplates.reset();
    xmlFiles.reset();
    components.reset();
    events.reset();
    logs.reset();
    inScratch.reset();
}

void TemplateFixture::loadDataFile(const std::string& path) {
    XmlFilePtr file = xmlFiles->getFile(path);
    ASSERT_TRUE(file);
    file->load();
    ASSERT_FALSE(file->loadFailed()) << log();
}

void TemplateFixture::shutDownXmlFiles() {
    xmlFiles.reset();
}

std::string TemplateFixture::log() const {
    return readTextFile(scratch.file(xmlLogName));
}

int TemplateFixture::countInLog(const std::string& text) const {
    std::string all = log();
    int count = 0;
    for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
        ++count;
    return count;
}
