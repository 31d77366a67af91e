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

class EntityTemplateTest : public TemplateFixture {
protected:
    EntityTemplatePtr loaded(const std::string& name) {
        EntityTemplatePtr found = entityTemplates->getTemplate(name, "");
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

const std::string entitiesAt = ", at row ";

} // namespace

TEST_F(EntityTemplateTest, LaterBaseOverridesEarlierOneAndOwnParamOverridesBoth) {
    Entity* inherited = make("SlowThenFast");
    EXPECT_EQ("2", param(inherited, "Probe", "speed"));
    EXPECT_EQ("red", param(inherited, "Probe", "colour"));
    Entity* own = make("SlowThenFastOwnSpeed");
    EXPECT_EQ("3", param(own, "Probe", "speed"));
    EXPECT_EQ("red", param(own, "Probe", "colour"));
    EXPECT_EQ("large", loaded("SlowThenFast")->getDefaultValues().getText("size"));
}

TEST_F(EntityTemplateTest, AncestorsCoverIndirectBasesAndInheritedEntriesComeFirst) {
    EntityTemplatePtr grandchild = loaded("Grandchild");
    std::set<std::string> ancestors{"Fast", "Slow", "SlowThenFast"};
    EXPECT_EQ(ancestors, grandchild->getAncestors());
    std::vector<std::string> types{"Probe", "OtherProbe"};
    EXPECT_EQ(types, grandchild->componentTypes());
}

TEST_F(EntityTemplateTest, TemplateNamingItselfAsBaseIsRefusedButStillLoads) {
    EntityTemplatePtr narcissus = loaded("Narcissus");
    EXPECT_FALSE(narcissus->loadFailed());
    EXPECT_TRUE(narcissus->getAncestors().empty());
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Narcissus, at row 32 and column 5: "
                            "template defined as base template of itself."));
}

TEST_F(EntityTemplateTest, InheritanceCycleIsCutOnceAndLoadingEnds) {
    EntityTemplatePtr head = loaded("Ouroboros");
    EntityTemplatePtr tail = loaded("Tail");
    EXPECT_EQ(Resource::Loaded, head->getState());
    EXPECT_EQ(Resource::Loaded, tail->getState());
    // Tail loads while Ouroboros is still loading, so Tail is the one that refuses.
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Tail, at row 40 and column 5: "
                            "template defined as base template of itself."));
    EXPECT_EQ(0, countInLog("Error: Loading EntityTemplate Ouroboros, at row"));
    EXPECT_EQ(std::set<std::string>{"Tail"}, head->getAncestors());
    EXPECT_TRUE(tail->getAncestors().empty());
    std::vector<std::string> types{"OtherProbe", "Probe"};
    EXPECT_EQ(types, head->componentTypes());
}

TEST_F(EntityTemplateTest, RemovingAComponentThatWasNotInheritedWarnsAndChangesNothing) {
    EntityTemplatePtr dropper = loaded("DropsWhatItNeverHad");
    EXPECT_EQ(std::vector<std::string>{"Probe"}, dropper->componentTypes());
    EXPECT_EQ(1, countInLog("Warning: Loading EntityTemplate DropsWhatItNeverHad, at row 45 and "
                            "column 5: removing component OtherProbe when component was not "
                            "inherited from base templates."));
}

TEST_F(EntityTemplateTest, RemovingAnInheritedComponentDropsItAndRepeatsAreReported) {
    EntityTemplatePtr dropper = loaded("DropsInherited");
    EXPECT_EQ(std::vector<std::string>{"OtherProbe"}, dropper->componentTypes());
    const std::string prefix = "Error: Loading EntityTemplate DropsInherited, at row ";
    EXPECT_EQ(1, countInLog(prefix + "50 and column 5: duplicate type attribute Probe of "
                                     "RemComponent."));
    EXPECT_EQ(1, countInLog(prefix + "51 and column 5: type attribute missing from "
                                     "RemComponent."));
    Entity* entity = make("DropsInherited");
    ASSERT_EQ(1u, entity->getComponents().size());
    EXPECT_EQ("OtherProbe", entity->getComponents().front()->getType());
}

TEST_F(EntityTemplateTest, EverySchemaProblemIsReportedAndSkipped) {
    EntityTemplatePtr sloppy = loaded("Sloppy");
    EXPECT_FALSE(sloppy->loadFailed());
    const std::string prefix = "Error: Loading EntityTemplate Sloppy, at row ";
    EXPECT_EQ(1, countInLog(prefix + "54 and column 5: name attribute missing from "
                                     "BaseTemplate."));
    EXPECT_EQ(1, countInLog(prefix + "56 and column 5: duplicate name attribute Slow of "
                                     "BaseTemplate."));
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate NowhereToBeFound: cannot find element "
                            "name in any loaded xml files."));
    EXPECT_FALSE(entityTemplates->getByName("NowhereToBeFound"));
    EXPECT_EQ(1, countInLog(prefix + "58 and column 5: type attribute missing from Component."));
    EXPECT_EQ(1, countInLog(prefix + "60 and column 5: duplicate type attribute Probe of "
                                     "Component."));
    EXPECT_EQ(1, countInLog(prefix + "61 and column 5: component Unheard is not registered with "
                                     "factory."));
    EXPECT_EQ(1, countInLog(prefix + "63 and column 5: duplicate name attribute size of "
                                     "DefaultValue."));
    EXPECT_EQ("5", param(make("Sloppy"), "Probe", "speed"));
    EXPECT_EQ("first", sloppy->getDefaultValues().getText("size"));
    EXPECT_EQ(1, countInLog("Loaded EntityTemplate Sloppy."));
}

TEST_F(EntityTemplateTest, TemplateWithoutComponentsWarnsAndMakesEmptyEntities) {
    Entity* entity = make("Hollow");
    ASSERT_NE(nullptr, entity);
    EXPECT_TRUE(entity->getComponents().empty());
    EXPECT_EQ(1, countInLog("Warning: Loading EntityTemplate Hollow, at row 65 and column 3: no "
                            "components were found."));
}

TEST_F(EntityTemplateTest, MissingElementFailsTheLoadAndMakesNothing) {
    EntityTemplatePtr missing = loaded("Unwritten");
    EXPECT_TRUE(missing->loadFailed());
    EXPECT_EQ(nullptr, missing->createEntity("", ParamList()));
    EXPECT_EQ(nullptr, missing->createComponent("Probe", ParamList()));
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Unwritten: cannot find element name "
                            "in any loaded xml files."));
}

TEST_F(EntityTemplateTest, CallerVariablesWinOverDefaultsAndOverrideInheritedFixedParams) {
    ParamList variables;
    variables.set("sizeVariable", "huge");
    variables.set("speedVariable", "8");
    Entity* fromCaller = make("Sized", variables);
    EXPECT_EQ("huge", param(fromCaller, "Probe", "size"));
    EXPECT_EQ("8", param(fromCaller, "Probe", "speed"));

    ParamList onlySpeed;
    onlySpeed.set("speedVariable", "8");
    EXPECT_EQ("medium", param(make("Sized", onlySpeed), "Probe", "size"));
}

TEST_F(EntityTemplateTest, UnresolvedVariableDropsOnlyThatParameterFromAnEntity) {
    Entity* entity = make("Sized");
    ASSERT_NE(nullptr, entity->getComponent("Probe"));
    EXPECT_FALSE(paramsOf(entity, "Probe").has("speed"));
    EXPECT_EQ("medium", param(entity, "Probe", "size"));
    EXPECT_EQ(1, countInLog("Error, Creating EntityTemplate Sized: unable to resolve VarParam "
                            "speedVariable for parameter speed of component Probe."));
    // A single component is abandoned instead.
    EXPECT_EQ(nullptr, loaded("Sized")->createComponent("Probe", ParamList()));
    EXPECT_EQ(2, countInLog("unable to resolve VarParam speedVariable"));
}

TEST_F(EntityTemplateTest, PrototypesAreClonedOnlyWhereCachingIsAllowed) {
    EXPECT_TRUE(loaded("Slow")->findEntry("Probe")->prototype);
    EXPECT_EQ(1, ProbeComponent::built);
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

TEST_F(EntityTemplateTest, FactoryErrorsAreLoggedAndLeaveTheComponentOut) {
    Entity* entity = make("Faulty");
    ASSERT_NE(nullptr, entity);
    EXPECT_EQ(nullptr, entity->getComponent("Probe"));
    EXPECT_NE(nullptr, entity->getComponent("OtherProbe"));
    // Once when the prototype was tried at load, once for the entity.
    EXPECT_EQ(2, countInLog("Error instantiating component Probe from factory when trying to "
                            "load entity template Faulty: engine trouble"));
}

TEST_F(EntityTemplateTest, AllComponentsAreAttachedBeforeAnyHearsOfItAndARivalIsDiscarded) {
    Entity* entity = make("Grandchild");
    auto* probe = entity->getComponent<ProbeComponent>("Probe");
    ASSERT_NE(nullptr, probe);
    EXPECT_EQ(2, probe->componentsWhenAttached);

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
    Entity* other = make("Noisy", variables);
    EXPECT_FALSE(paramsOf(other, "Probe").has("soundLater"));
    EXPECT_EQ(1, countInLog("Error, Creating EntityTemplate Noisy: unable to resolve filename "
                            "from VarParam laterSound for parameter soundLater of component "
                            "Probe."));
}

TEST_F(EntityTemplateTest, ManagerInstantiatesOnAFreeNodeWithTheGivenName) {
    std::unique_ptr<SceneNode> node(entityTemplates->instantiate("Slow", "", "Snail"));
    ASSERT_TRUE(node);
    ASSERT_NE(nullptr, node->getEntity());
    EXPECT_EQ("Snail", node->getEntity()->getName());
    EXPECT_EQ(nullptr, node->getManager());
    EXPECT_EQ(nullptr, entityTemplates->instantiate("Unwritten", "", "Nobody"));
    EXPECT_EQ(nullptr, entityTemplates->instantiate("", "", "Nobody"));
}

TEST_F(EntityTemplateTest, FileHintIsUsedFirstAndUpdatedFromTheIndex) {
    EntityTemplatePtr slow = entityTemplates->getTemplate("Slow", "./Scenes.xml");
    EXPECT_EQ("./Scenes.xml", slow->getFileHint());
    slow->load();
    EXPECT_FALSE(slow->loadFailed());
    EXPECT_EQ("./Entities.xml", slow->getFileHint());
}

TEST_F(EntityTemplateTest, UnloadingDropsEverythingUntilTheNextLoad) {
    EntityTemplatePtr slow = loaded("Slow");
    slow->unload();
    EXPECT_TRUE(slow->componentTypes().empty());
    EXPECT_EQ(nullptr, slow->createEntity("", ParamList()));
    slow->load();
    EXPECT_EQ("1", param(make("Slow"), "Probe", "speed"));
}

TEST_F(EntityTemplateTest, MakingEntitiesAfterTheXmlFileManagerIsGoneRaises) {
    EntityTemplatePtr slow = loaded("Slow");
    shutDownXmlFiles();
    try {
        slow->createEntity("", ParamList());
        FAIL() << "no exception";
    } catch (const myexception& error) {
        EXPECT_STREQ("creating entity after XmlFileManager shut down.", error.what());
    }
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
