// Loads arbitrary bytes as a data file, then loads every entity template, scene template and
// event script the file (and whatever it includes) declares (the managers refuse a name they
// cannot hold, so a lookup may come back empty), makes an entity of each entity
// template, builds each scene template into a scene and runs each script there for a few steps.
// Data files are the program's main input: nothing in one may crash or hang it.

#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/LogManager.h"
#include "core/ParamList.h"
#include "world/ComponentFactory.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/EventScriptManager.h"
#include "world/RunScriptWhenAdded.h"
#include "world/SceneManager.h"
#include "world/SceneTemplateManager.h"
#include "world/ScriptRunner.h"
#include "world/ScriptRunnerActionEvent.h"
#include "world/TemplateInstantiationActionEvent.h"
#include "world/TemplateInstantiator.h"
#include "world/XmlFileManager.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The game's own types, plus those of this subsystem in case the registry does not list them
// yet (a second registration of a name is ignored).
template <typename T, typename Factory> void add(Factory& factory) {
    T prototype;
    factory.registerType(prototype);
}

struct Factories {
    LogManager logs;
    ComponentFactory components;
    EventFactory events;

    Factories() {
        registerComponentTypes(components);
        add<RunScriptWhenAdded>(components);
        add<ScriptRunner>(components);
        add<TemplateInstantiator>(components);
        registerEventTypes(events);
        add<ScriptRunnerActionEvent>(events);
        add<TemplateInstantiationActionEvent>(events);
    }
};

// The paths of the file and of every file it pulled in, directly or not.
std::set<std::string> reachedFrom(const std::string& root) {
    XmlFileManager& files = XmlFileManager::getSingleton();
    std::set<std::string> reached{root};
    std::vector<std::string> pending{root};
    while (!pending.empty()) {
        XmlFilePtr file = files.getFile(pending.back());
        pending.pop_back();
        for (const std::string& included : file->getIncludedFiles())
            if (reached.insert(included).second)
                pending.push_back(included);
    }
    return reached;
}

// The names of one element type declared in those files.
std::set<std::string> declared(const std::set<std::string>& paths, const std::string& type) {
    std::set<std::string> names;
    XmlFileManager& files = XmlFileManager::getSingleton();
    for (const std::string& path : paths) {
        XmlFilePtr file = files.getFile(path);
        auto found = file->getElements().find(type);
        if (found == file->getElements().end())
            continue;
        for (const auto& entry : found->second)
            names.insert(entry.first);
    }
    return names;
}

void exercise(const std::set<std::string>& paths) {
    SceneManager scene;
    scene.addNode(Entity::create("", {new TemplateInstantiator(), new ScriptRunner()}));

    EntityTemplateManager& entities = EntityTemplateManager::getSingleton();
    for (const std::string& name : declared(paths, "EntityTemplate")) {
        EntityTemplatePtr found = entities.getTemplate(name, "");
        if (!found)
            continue;
        found->load();
        ParamList variables;
        variables.set("x", "1");
        delete found->createEntity("", variables);
        for (const std::string& type : found->componentTypes())
            delete found->createComponent(type, variables);
    }

    SceneTemplateManager& scenes = SceneTemplateManager::getSingleton();
    for (const std::string& name : declared(paths, "SceneTemplate")) {
        SceneTemplatePtr found = scenes.getTemplate(name, "");
        if (!found)
            continue;
        found->load();
        found->instantiateInScene(&scene, Vector2(1, 2), Vector2(0, 1), Vector2(2, 2));
    }

    EventScriptManager& scripts = EventScriptManager::getSingleton();
    for (const std::string& name : declared(paths, "EventScript")) {
        EventScriptPtr found = scripts.getTemplate(name, "");
        if (!found)
            continue;
        found->load();
        scene.addProcess(EventScript::run(found, &scene));
    }
    for (int step = 0; step < 8; ++step)
        scene.updateProcess(0.016);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Factories factories;
    // One file per fuzzing process, so that parallel jobs in one directory do not collide.
    static const std::string path = "./fuzz-input-" + std::to_string(getpid()) + ".xml";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // Fresh managers for every input, made and ended in the game's order.
    auto files = std::make_unique<XmlFileManager>();
    auto entities = std::make_unique<EntityTemplateManager>();
    auto scenes = std::make_unique<SceneTemplateManager>();
    auto scripts = std::make_unique<EventScriptManager>();
    XmlFilePtr file = files->getFile(path);
    file->load();
    file.reset();
    exercise(reachedFrom(path));
    scripts.reset();
    scenes.reset();
    entities.reset();
    files.reset();
    return 0;
}
