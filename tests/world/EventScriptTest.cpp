#include "world/EventScript.h"

#include "support/ProbeComponent.h"
#include "support/RecordingListener.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/ScriptRunner.h"

namespace {

const double step = 0.016;

class EventScriptTest : public TemplateFixture {
protected:
    void SetUp() override {
        TemplateFixture::SetUp();
        scene = std::make_unique<SceneManager>();
        scene->addListener(&sceneHears);
        scene->addNode(Entity::create("Target"));
        scene->findEntity("Target")->addListener(&targetHears);
        baseProcessCount = scene->processCount();
    }
    EventScriptPtr loaded(const std::string& name) {
        EventScriptPtr script = eventScripts->getTemplate(name, "");
        script->load();
        return script;
    }
    void start(const char* name) { scene->addProcess(EventScript::run(loaded(name), scene.get())); }
    void advance(double seconds) {
        for (double done = 0; done < seconds - 1e-9; done += step)
            scene->updateProcess(step);
    }
    std::size_t runningScripts() const { return scene->processCount() - baseProcessCount; }

    RecordingListener sceneHears{ProbeEvent::code}, targetHears{ProbeEvent::code};
    std::unique_ptr<SceneManager> scene;
    std::size_t baseProcessCount = 0;
};

using Labels = std::vector<std::string>;

} // namespace

TEST_F(EventScriptTest, EventsAreSentByTimeWithDocumentOrderBreakingTies) {
    start("Ordered");
    advance(0.992);
    EXPECT_TRUE(sceneHears.heard.empty());
    advance(0.016);
    EXPECT_EQ(Labels{"first"}, labels(sceneHears));
    advance(1.0);
    EXPECT_EQ((Labels{"first", "second-a", "second-b"}), labels(sceneHears));
    advance(1.0);
    EXPECT_EQ(Labels{"to-target"}, labels(targetHears));
    EXPECT_EQ(0u, runningScripts());
}

TEST_F(EventScriptTest, EventDueExactlyAtTheElapsedTimeIsSentInThatUpdate) {
    start("Boundary");
    const Labels expected[] = {
        {"first-step"}, {"first-step", "second-step"}, {"first-step", "second-step", "third-step"}};
    for (const Labels& heard : expected) {
        scene->updateProcess(step);
        EXPECT_EQ(heard, labels(sceneHears));
    }
}

// A script without events still runs, and ends at its first update.
TEST_F(EventScriptTest, BadScriptsAndEventsAreReportedAndSkipped) {
    ASSERT_EQ(1u, loaded("Faulty")->getEvents().size());
    start("Quiet");
    EXPECT_EQ(1u, runningScripts());
    scene->updateProcess(step);
    EXPECT_EQ(0u, runningScripts());
    const std::string at = "Error: Loading EventScript Faulty, at row ";
    for (const std::string& message :
         {at + "12 and column 5: event Unheard is not registered with factory.",
          at + "13 and column 5: error creating event TemplateInstantiation: Invalid type for "
               "parameter template.",
          at + "16 and column 5: time attribute nan of Event is not a finite number.",
          std::string("Warning: Loading EventScript Quiet, at row 9 and column 3: no events were "
                      "found.")})
        EXPECT_EQ(1, countInLog(message)) << message;
}

TEST_F(EventScriptTest, RunsEndWhenTheScriptIsUnloadedOrTheSceneIsGone) {
    start("Ordered");
    advance(1.5);
    loaded("Ordered")->unload();
    scene->updateProcess(step);
    EXPECT_EQ(0u, runningScripts());
    ProcessManager elsewhere;
    elsewhere.addProcess(EventScript::run(loaded("Ordered"), scene.get()));
    scene.reset();
    elsewhere.updateProcess(1.5);
    EXPECT_EQ(0u, elsewhere.processCount());
    EXPECT_EQ(Labels{"first"}, labels(sceneHears));
}

// Echo starts itself again: the new run must wait for the next pass, not loop without end.
TEST_F(EventScriptTest, RunStartedDuringAPassBeginsWithTheNextOne) {
    scene->addNode(Entity::create("Runner", {new ScriptRunner()}));
    start("Echo");
    for (std::size_t pass = 1; pass <= 3; ++pass) {
        scene->updateProcess(step);
        EXPECT_EQ(pass, sceneHears.heard.size());
        EXPECT_EQ(1u, runningScripts());
    }
}
