#include "support/TemplateFixture.h"

#include "support/ProbeComponent.h"
#include "world/ComponentAdder.h"
#include "world/ComponentAdderActionEvent.h"
#include "world/RunScriptWhenAdded.h"
#include "world/ScriptRunner.h"
#include "world/ScriptRunnerActionEvent.h"
#include "world/TemplateInstantiationActionEvent.h"
#include "world/TemplateInstantiator.h"
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
    events = std::make_unique<EventFactory>();
    auto registerTypes = [](auto& factory, const auto&... types) {
        (factory.registerType(types), ...);
    };
    registerTypes(*components, ProbeComponent(), OtherProbeComponent(), RoleProbeComponent(),
                  ComponentAdder(), RunScriptWhenAdded(), ScriptRunner(), TemplateInstantiator());
    registerTypes(*events, ProbeEvent(), ComponentAdderActionEvent(), ScriptRunnerActionEvent(),
                  TemplateInstantiationActionEvent());
    ProbeComponent::resetCounts();

    for (const char* file : {"./Entities.xml", "./Scenes.xml", "./Scripts.xml"})
        loadDataFile(file);
}

void TemplateFixture::loadDataFile(const std::string& path) {
    XmlFilePtr file = xmlFiles->getFile(path);
    file->load();
    ASSERT_FALSE(file->loadFailed()) << readTextFile(scratch.file(xmlLogName));
}

int TemplateFixture::countInLog(const std::string& text) const {
    const std::string all = readTextFile(scratch.file(xmlLogName));
    int count = 0;
    for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
        ++count;
    return count;
}
