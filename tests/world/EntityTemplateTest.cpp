#include "world/EntityTemplate.h"

#include "support/ProbeComponent.h"
#include "support/TemplateFixture.h"

#include <sstream>

namespace {

// "Loader" loads the template its "template" parameter names when made, as explosions do.
struct LoaderProbe : ProbeComponent {
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
    ProbeComponent* blank() const override { return new LoaderProbe(); }
};

using Types = std::vector<std::string>;

class EntityTemplateTest : public TemplateFixture {
protected:
    void SetUp() override {
        TemplateFixture::SetUp();
        components->registerType(LoaderProbe());
    }
    EntityTemplatePtr loaded(const std::string& name) {
        EntityTemplatePtr found = entityTemplates->getTemplate(name, "");
        found->load();
        return found;
    }
    Entity* make(const std::string& name, const ParamList& variables = ParamList()) {
        made.emplace_back(loaded(name)->createEntity("", variables));
        return made.back().get();
    }
    static const ParamList& paramsOf(Entity* entity) {
        return entity->getComponent<ProbeComponent>("Probe")->params;
    }

    std::vector<std::unique_ptr<Entity>> made;
};

} // namespace

TEST_F(EntityTemplateTest, LaterBaseOverridesEarlierOneAndOwnParamOverridesBoth) {
    EXPECT_EQ(paramList("speed=2 colour=red").all(), paramsOf(make("SlowThenFast")).all());
    EXPECT_EQ("3", paramsOf(make("SlowThenFastOwnSpeed")).getText("speed"));
    EXPECT_EQ((Types{"Probe", "OtherProbe"}), loaded("Grandchild")->componentTypes());
}

// Tail loads while Ouroboros reads its bases, so Tail is the one that refuses.
TEST_F(EntityTemplateTest, TrueInheritanceCyclesAreCutWhereTheyCloseAndLoadingEnds) {
    EXPECT_TRUE(loaded("Narcissus")->getAncestors().empty());
    EXPECT_EQ(std::set<std::string>{"Tail"}, loaded("Ouroboros")->getAncestors());
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Tail, at row 18 and column 31: "
                            "template defined as base template of itself."));
    EXPECT_EQ(2, countInLog("base template of itself"));
}

// Bomb's Loader loads Blast (derived from Bomb) while Bomb builds its prototypes: no cycle.
TEST_F(EntityTemplateTest, TemplateDerivedFromOneStillBuildingItsPrototypesInheritsItFully) {
    for (const char* first : {"Bomb", "Blast"}) {
        SCOPED_TRACE(first);
        entityTemplates.reset();
        entityTemplates = std::make_unique<EntityTemplateManager>();
        loaded(first);
        EXPECT_EQ(Types{"Probe"}, loaded("Blast")->componentTypes());
        EXPECT_EQ("9", paramsOf(make("Blast")).getText("speed"));
        EXPECT_EQ(0, countInLog("base template of itself"));
        made.clear();
    }
}

TEST_F(EntityTemplateTest, SchemaProblemsAreReportedAndSkipped) {
    EXPECT_EQ("5", paramsOf(make("Sloppy")).getText("speed"));
    EXPECT_EQ(Types{"Probe"}, loaded("DropsWhatItNeverHad")->componentTypes());
    EXPECT_EQ(nullptr, loaded("Unwritten")->createEntity("", ParamList()));
    for (const char* message :
         {"Error: Loading EntityTemplate Sloppy, at row 29 and column 5: component Unheard is not "
          "registered with factory.",
          "Warning: Loading EntityTemplate DropsWhatItNeverHad, at row 21 and column 5: removing "
          "component OtherProbe when component was not inherited from base templates.",
          "Error: Loading EntityTemplate Unwritten: cannot find element name in any loaded xml "
          "files."})
        EXPECT_EQ(1, countInLog(message)) << message;
}

// A missing variable drops its parameter from an entity but abandons a lone component.
TEST_F(EntityTemplateTest, CallerVariablesWinOverDefaultsAndOverrideInheritedFixedParams) {
    EXPECT_EQ(paramList("size=huge speed=8").all(),
              paramsOf(make("Sized", paramList("sizeVariable=huge speedVariable=8"))).all());
    EXPECT_EQ(paramList("size=medium").all(), paramsOf(make("Sized")).all());
    EXPECT_EQ(nullptr, loaded("Sized")->createComponent("Probe", ParamList()));
    EXPECT_EQ(2, countInLog("Error, Creating EntityTemplate Sized: unable to resolve VarParam "
                            "speedVariable for parameter speed of component Probe."));
}

// Refusing the cache is inherited, and a variable makes every entity's component different.
TEST_F(EntityTemplateTest, PrototypesAreClonedOnlyWhereCachingIsAllowed) {
    const std::tuple<const char*, int, int> cases[] = {
        {"Slow", 1, 2}, {"UncachedChild", 2, 0}, {"CachedWithVariable", 2, 0}};
    for (const auto& [name, built, cloned] : cases) {
        SCOPED_TRACE(name);
        ProbeComponent::resetCounts();
        make(name);
        make(name);
        EXPECT_EQ(built, ProbeComponent::built);
        EXPECT_EQ(cloned, ProbeComponent::cloned);
    }
}

// Logged at load (the prototype) and per entity; all parts are attached before any hears.
TEST_F(EntityTemplateTest, FactoryErrorsLeaveTheComponentOutAndARivalIsDiscarded) {
    Entity* entity = make("Faulty");
    EXPECT_EQ(nullptr, entity->getComponent("Probe"));
    EXPECT_NE(nullptr, entity->getComponent("OtherProbe"));
    EXPECT_EQ(2, countInLog("Error instantiating component Probe from factory when trying to "
                            "load entity template Faulty: engine trouble"));
    EXPECT_EQ(2, make("Grandchild")->getComponent<ProbeComponent>("Probe")->componentsWhenAttached);
    EXPECT_EQ(1u, make("Rivals")->getComponents().size());
}

TEST_F(EntityTemplateTest, VeryLongChainOfBasesIsCutInsteadOfExhaustingTheStack) {
    std::ostringstream data;
    data << "<Templates>\n";
    for (int level = 0; level < 300; ++level)
        data << "<EntityTemplate name=\"Chain" << level << "\"><BaseTemplate name=\"Chain"
             << level + 1 << "\"/><Component type=\"Probe\"/></EntityTemplate>\n";
    writeTextFile(scratch.file("Chain.xml"), data.str() + "</Templates>\n");
    loadDataFile("./Chain.xml");
    EXPECT_EQ(128u, loaded("Chain0")->getAncestors().size());
    EXPECT_EQ(1, countInLog("Error: Loading EntityTemplate Chain128, at row 130 and column 33: "
                            "base templates nested more than 128 deep."));
}
