#include "world/EntityTemplate.h"

#include "core/myexception.h"
#include "support/ProbeComponent.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/EntityTemplateManager.h"
#include "world/SceneNode.h"

#include <memory>
#include <sstream>

namespace {

// "Loader" loads the template named by its "template" parameter when it is made, as an
// explosion-making component does.
class LoaderProbe : public ProbeComponent {
public:
    const std::string& getType() const override {
        static const std::string type = "Loader";
        return type;
    }
    Component* createNew(const ParamList& params) const override {
        if (EntityTemplatePtr loading =
                EntityTemplateManager::getSingleton().getTemplate(params.getText("template"), ""))
            loading->load();
        return ProbeComponent::createNew(params);
    }

protected:
    ProbeComponent* make(const ParamList& from) const override {
        auto* made = new LoaderProbe();
        made->params = from;
        return made;
    }
};

class EntityTemplateTest : public TemplateFixture {
protected:
    void SetUp() override {
        TemplateFixture::SetUp();
        components->registerType(LoaderProbe());
        ProbeComponent::resetCounts();
    }
    EntityTemplatePtr loaded(const std::string& name, const std::string& hint = "") {
        EntityTemplatePtr found = entityTemplates->getTemplate(name, hint);
        found->load();
        return found;
    }
    // The entity made from the template with the caller's variables; deleted with the test.
    Entity* make(const std::string& name, const ParamList& variables = ParamList()) {
        Entity* entity = loaded(name)->createEntity("", variables);
        if (entity)
            made.emplace_back(entity);
        return entity;
    }
    static const ParamList& paramsOf(Entity* entity, const std::string& type) {
        static const ParamList none;
        auto* probe = entity ? entity->getComponent<ProbeComponent>(type) : nullptr;
        return probe ? probe->params : none;
    }
    static std::string param(Entity* entity, const std::string& type, const std::string& name) {
        return paramsOf(entity, type).getText(name);
    }

    std::vector<std::unique_ptr<Entity>> made;
};

using Types = std::vector<std::string>;

} // namespace

TEST_F(EntityTemplateTest, LaterBaseOverridesEarlierOneAndOwnParamOverridesBoth) {
    Entity* inherited = make("SlowThenFast");
    EXPECT_EQ("2", param(inherited, "Probe", "speed"));
    EXPECT_EQ("red", param(inherited, "Probe", "colour"));
    Entity* own = make("SlowThenFastOwnSpeed");
    EXPECT_EQ("3", param(own, "Probe", "speed"));
    EXPECT_EQ("red", param(own, "Probe", "colour"));
    EXPECT_EQ("large", loaded("SlowThenFast")->getDefaultValues().getText("size"));

    EntityTemplatePtr grandchild = loaded("Grandchild");
    EXPECT_EQ((std::set<std::string>{"Fast", "Slow", "SlowThenFast"}), grandchild->getAncestors());
    EXPECT_EQ((Types{"Probe", "OtherProbe"}), grandchild->componentTypes());
}

TEST_F(EntityTemplateTest, TrueInheritanceCyclesAreCutWhereTheyCloseAndLoadingEnds) {
    EntityTemplatePtr narcissus = loaded("Narcissus");
    EXPECT_FALSE(narcissus->loadFailed());
    EXPECT_TRUE(narcissus->getAncestors().empty());
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Narcissus, at row 32 and column 5: "
                            "template defined as base template of itself."));

    // Tail loads while Ouroboros reads its bases, so Tail is the one that refuses.
    EntityTemplatePtr head = loaded("Ouroboros");
    EntityTemplatePtr tail = loaded("Tail");
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Tail, at row 40 and column 5: "
                            "template defined as base template of itself."));
    EXPECT_EQ(0, countInLog("Error: Loading EntityTemplate Ouroboros, at row"));
    EXPECT_EQ(std::set<std::string>{"Tail"}, head->getAncestors());
    EXPECT_TRUE(tail->getAncestors().empty());
    EXPECT_EQ((Types{"OtherProbe", "Probe"}), head->componentTypes());
}

// Bomb's Loader loads Blast, derived from Bomb, while Bomb builds its prototypes: no cycle, and
// Blast must come out the same whichever of the two is asked for first.
TEST_F(EntityTemplateTest, TemplateDerivedFromOneStillBuildingItsPrototypesInheritsItFully) {
    for (const char* first : {"Bomb", "Blast"}) {
        SCOPED_TRACE(first);
        entityTemplates.reset();
        entityTemplates = std::make_unique<EntityTemplateManager>();
        loaded(first);
        EntityTemplatePtr blast = loaded("Blast");
        EXPECT_EQ(Types{"Probe"}, blast->componentTypes());
        EXPECT_EQ(std::set<std::string>{"Bomb"}, blast->getAncestors());
        EXPECT_EQ("big", blast->getDefaultValues().getText("size"));
        EXPECT_EQ("9", param(make("Blast"), "Probe", "speed"));
        EXPECT_EQ(0, countInLog("base template of itself"));
        made.clear();
    }
}

TEST_F(EntityTemplateTest, EverySchemaProblemIsReportedAndSkipped) {
    EntityTemplatePtr sloppy = loaded("Sloppy");
    EXPECT_FALSE(sloppy->loadFailed());
    EXPECT_EQ("5", param(make("Sloppy"), "Probe", "speed"));
    EXPECT_EQ("first", sloppy->getDefaultValues().getText("size"));
    EXPECT_FALSE(entityTemplates->getByName("NowhereToBeFound"));
    EXPECT_EQ(Types{"Probe"}, loaded("DropsWhatItNeverHad")->componentTypes());
    EXPECT_EQ(Types{"OtherProbe"}, loaded("DropsInherited")->componentTypes());
    Entity* hollow = make("Hollow");
    ASSERT_NE(nullptr, hollow);
    EXPECT_TRUE(hollow->getComponents().empty());
    EntityTemplatePtr missing = loaded("Unwritten");
    EXPECT_TRUE(missing->loadFailed());
    EXPECT_EQ(nullptr, missing->createEntity("", ParamList()));
    EXPECT_EQ(nullptr, missing->createComponent("Probe", ParamList()));

    const std::string sloppyAt = "Error: Loading EntityTemplate Sloppy, at row ";
    const std::string droppingAt = "Error: Loading EntityTemplate DropsInherited, at row ";
    for (const std::string& message :
         {sloppyAt + "54 and column 5: name attribute missing from BaseTemplate.",
          sloppyAt + "56 and column 5: duplicate name attribute Slow of BaseTemplate.",
          sloppyAt + "58 and column 5: type attribute missing from Component.",
          sloppyAt + "60 and column 5: duplicate type attribute Probe of Component.",
          sloppyAt + "61 and column 5: component Unheard is not registered with factory.",
          sloppyAt + "63 and column 5: duplicate name attribute size of DefaultValue.",
          std::string("Error: Loading EntityTemplate NowhereToBeFound: cannot find element name "
                      "in any loaded xml files."),
          droppingAt + "50 and column 5: duplicate type attribute Probe of RemComponent.",
          droppingAt + "51 and column 5: type attribute missing from RemComponent.",
          std::string("Warning: Loading EntityTemplate DropsWhatItNeverHad, at row 45 and column "
                      "5: removing component OtherProbe when component was not inherited from "
                      "base templates."),
          std::string("Warning: Loading EntityTemplate Hollow, at row 65 and column 3: no "
                      "components were found."),
          std::string("Error: Loading EntityTemplate Unwritten: cannot find element name in any "
                      "loaded xml files.")})
        EXPECT_EQ(1, countInLog(message)) << message;
}

TEST_F(EntityTemplateTest, CallerVariablesWinOverDefaultsAndOverrideInheritedFixedParams) {
    ParamList variables;
    variables.set("sizeVariable", "huge");
    variables.set("speedVariable", "8");
    Entity* fromCaller = make("Sized", variables);
    EXPECT_EQ("huge", param(fromCaller, "Probe", "size"));
    EXPECT_EQ("8", param(fromCaller, "Probe", "speed"));

    // Without the variable only that parameter is dropped from an entity...
    Entity* withDefaults = make("Sized");
    EXPECT_EQ("medium", param(withDefaults, "Probe", "size"));
    EXPECT_FALSE(paramsOf(withDefaults, "Probe").has("speed"));
    EXPECT_EQ(1, countInLog("Error, Creating EntityTemplate Sized: unable to resolve VarParam "
                            "speedVariable for parameter speed of component Probe."));
    // ...but a single component is abandoned.
    EXPECT_EQ(nullptr, loaded("Sized")->createComponent("Probe", ParamList()));
    EXPECT_EQ(2, countInLog("unable to resolve VarParam speedVariable"));
}

TEST_F(EntityTemplateTest, PrototypesAreClonedOnlyWhereCachingIsAllowed) {
    EXPECT_TRUE(loaded("Slow")->findEntry("Probe")->prototype);
    make("Slow");
    make("Slow");
    EXPECT_EQ(1, ProbeComponent::built);
    EXPECT_EQ(2, ProbeComponent::cloned);

    ProbeComponent::resetCounts();
    EXPECT_FALSE(loaded("Uncached")->findEntry("Probe")->prototype);
    make("Uncached");
    make("Uncached");
    EXPECT_EQ(2, ProbeComponent::built);
    EXPECT_EQ(0, ProbeComponent::cloned);

    // The refusal is inherited even though the child's own element says nothing about caching.
    EXPECT_FALSE(loaded("UncachedChild")->findEntry("Probe")->prototype);
    // A variable makes every entity's component different, so it is never pre-built.
    EXPECT_FALSE(loaded("CachedWithVariable")->findEntry("Probe")->prototype);
    EXPECT_EQ("4", param(make("CachedWithVariable"), "Probe", "speed"));
}

TEST_F(EntityTemplateTest, FactoryErrorsLeaveTheComponentOutAndARivalIsDiscarded) {
    Entity* entity = make("Faulty");
    EXPECT_EQ(nullptr, entity->getComponent("Probe"));
    EXPECT_NE(nullptr, entity->getComponent("OtherProbe"));
    // Once when the prototype was tried at load, once for the entity.
    EXPECT_EQ(2, countInLog("Error instantiating component Probe from factory when trying to "
                            "load entity template Faulty: engine trouble"));

    // Every component is attached before any hears of it.
    EXPECT_EQ(2, make("Grandchild")->getComponent<ProbeComponent>("Probe")->componentsWhenAttached);
    Entity* rivals = make("Rivals");
    ASSERT_EQ(1u, rivals->getComponents().size());
    EXPECT_EQ("Probe", rivals->getComponents().front()->getType());
}

TEST_F(EntityTemplateTest, FileParamsAreResolvedAgainstTheDataFilesSearchDirectories) {
    Entity* entity = make("Noisy");
    EXPECT_EQ("media/Boom.txt", param(entity, "Probe", "sound"));
    EXPECT_EQ("Silence.txt", param(entity, "Probe", "soundMissing"));
    EXPECT_EQ("media/Boom.txt", param(entity, "Probe", "soundLater"));
    EXPECT_EQ(1, countInLog("Error: unable to resolve filename from Param soundMissing of "
                            "component Probe when trying to load entity template Noisy."));

    ParamList variables;
    variables.set("laterSound", "Thunder.txt");
    EXPECT_FALSE(paramsOf(make("Noisy", variables), "Probe").has("soundLater"));
    EXPECT_EQ(1, countInLog("Error, Creating EntityTemplate Noisy: unable to resolve filename "
                            "from VarParam laterSound for parameter soundLater of component "
                            "Probe."));
}

TEST_F(EntityTemplateTest, UnusableFileHintsFallBackToTheIndexWhichIsRemembered) {
    for (const char* hint : {"./Scenes.xml", "./", "media"}) {
        EntityTemplatePtr slow = loaded("Slow", hint);
        EXPECT_FALSE(slow->loadFailed()) << hint;
        EXPECT_EQ("./Entities.xml", slow->getFileHint());
        slow->unload();
    }
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./: Failed to open file"));
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile media: Failed to open file"));
    EXPECT_EQ("1", param(make("Slow"), "Probe", "speed"));
}

TEST_F(EntityTemplateTest, ManagerMakesANamedEntityOnAFreeNodeAndNothingAfterShutDown) {
    std::unique_ptr<SceneNode> node(entityTemplates->instantiate("Slow", "", "Snail"));
    EXPECT_EQ("Snail", node->getEntity()->getName());
    EXPECT_EQ(nullptr, entityTemplates->instantiate("Unwritten", "", "Nobody"));
    shutDownXmlFiles();
    EXPECT_THROW(loaded("Slow")->createEntity("", ParamList()), myexception);
}

TEST_F(EntityTemplateTest, VeryLongChainOfBasesIsCutInsteadOfExhaustingTheStack) {
    std::ostringstream data;
    data << "<Templates>\n";
    for (int level = 0; level < 300; ++level)
        data << "<EntityTemplate name=\"Chain" << level << "\"><BaseTemplate name=\"Chain"
             << level + 1 << "\"/><Component type=\"Probe\"/></EntityTemplate>\n";
    data << "</Templates>\n";
    writeTextFile(scratch.file("Chain.xml"), data.str());
    loadDataFile("./Chain.xml");

    EntityTemplatePtr head = loaded("Chain0");
    EXPECT_FALSE(head->loadFailed());
    EXPECT_EQ(128u, head->getAncestors().size());
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Chain128, at row 130 and column 33: "
                            "base templates nested more than 128 deep."));
}
