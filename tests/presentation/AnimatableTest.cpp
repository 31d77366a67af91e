#include "presentation/Animatable.h"
#include "core/myexception.h"
#include "presentation/AnimateAndDie.h"
#include "presentation/AnimationActionEvent.h"
#include "presentation/AnimationEvent.h"
#include "presentation/Camera.h"
#include "presentation/OccludedAnimatable.h"
#include "presentation/RenderManager.h"
#include "support/FontSupport.h"
#include "support/RecordingListener.h"
#include "support/RenderFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
const Rgba black{0, 0, 0, 255};
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba white{255, 255, 255, 255};

class AnimatableTest : public AnimationFixture {
protected:
    // "run" plays Bands at 10 frames a second: band 0 for 0.2 s, then band 3 for 0.1 s.
    ParamList runParams(bool loop = false, const std::string& start = "") {
        ParamList list = params({{"zOrder", "1"},
                                 {"sequence0", "Bands"},
                                 {"name0", "run"},
                                 {"fps0", "10"},
                                 {"loop0", loop ? "true" : "false"},
                                 {"sequence1", "Frozen"},
                                 {"name1", "still"},
                                 {"fps1", "10"},
                                 {"loop1", loop ? "true" : "false"}});
        if (!start.empty())
            list.set("animation", start);
        return list;
    }
    std::unique_ptr<Animatable> detached(const ParamList& list) {
        return std::unique_ptr<Animatable>(Animatable::fromParams(list));
    }
    // The band a frame shows, from its texture coordinates.
    static int band(const Animatable& animatable) {
        return static_cast<int>(animatable.getTexCoords()[1] * 4 + 0.5);
    }
    static std::vector<int> kinds(const RecordingListener& listener) {
        std::vector<int> result;
        for (const EventPtr& event : listener.heard)
            result.push_back(static_cast<const AnimationEvent&>(*event).getKind());
        return result;
    }
    std::string xmlLog() { return readWholeFile("XmlSystemLogFile.txt"); }
    // An animatable on an entity whose animation events the listener hears.
    Animatable* heardBy(RecordingListener& listener) {
        Animatable* animatable = Animatable::fromParams(runParams());
        addEntity("actor", {animatable})->addListener(&listener);
        return animatable;
    }
};
} // namespace

TEST_F(AnimatableTest, StripFramesLastTheirLengthAndABoundaryShowsTheEarlierFrame) {
    auto animatable = detached(runParams(false, "run"));
    animatable->update(0.2);
    EXPECT_EQ(0, band(*animatable));
    animatable->update(0.2001);
    EXPECT_EQ(3, band(*animatable));
    animatable->update(5.0);
    EXPECT_TRUE(animatable->isFinished());
    EXPECT_DOUBLE_EQ(0.3, animatable->getElapsed());
    EXPECT_EQ(3, band(*animatable));

    // A data file may start it part of the way through.
    ParamList later = runParams(true, "run");
    later.set("frame", "0.25");
    EXPECT_EQ(3, band(*detached(later)));
}

TEST_F(AnimatableTest, LoopingAnimationWrapsAtItsTotalDuration) {
    auto animatable = detached(runParams(true, "run"));
    animatable->update(0.31);
    EXPECT_NEAR(0.01, animatable->getElapsed(), 1e-12);
    EXPECT_EQ(0, band(*animatable));
    animatable->update(0.55);
    EXPECT_EQ(3, band(*animatable));
    EXPECT_FALSE(animatable->isFinished());
}

TEST_F(AnimatableTest, ZeroLengthAnimationShowsItsLastFrameAndStillEndsOnce) {
    for (bool loop : {false, true}) {
        auto animatable = detached(runParams(loop, "still"));
        animatable->advance(0.016);
        EXPECT_EQ(2, band(*animatable)) << loop;
    }
    RecordingListener listener(EventType::Animation);
    Animatable* animatable = heardBy(listener);
    animatable->setAnimation("still", 0.0);
    step();
    step();
    EXPECT_EQ((std::vector<int>{AnimationEvent::Ended, AnimationEvent::Started}), kinds(listener));
}

TEST_F(AnimatableTest, ClockEndsANonLoopingAnimationOnceAndKeepsItsLastFrame) {
    RecordingListener listener(EventType::Animation);
    Animatable* animatable = heardBy(listener);
    animatable->setAnimation("run", 0.0);
    for (int tick = 0; tick < 40; ++tick)
        step();
    EXPECT_EQ((std::vector<int>{AnimationEvent::Started, AnimationEvent::Ended}), kinds(listener));
    EXPECT_EQ("run", static_cast<const AnimationEvent&>(*listener.heard[1]).getAnimationName());
    EXPECT_EQ(3, band(*animatable));

    // Restarted after its end, even right at the end, it announces the end again.
    animatable->setAnimation("run", 0.3);
    step();
    EXPECT_EQ((std::vector<int>{AnimationEvent::Started, AnimationEvent::Ended,
                                AnimationEvent::Started, AnimationEvent::Ended}),
              kinds(listener));
}

// Showing nothing (no animation yet, or cleared) is not an animation that ended.
TEST_F(AnimatableTest, AnimateAndDieRemovesItsEntityOnlyWhenARealAnimationEnds) {
    addEntity("idle", {Animatable::fromParams(runParams()), new AnimateAndDie});
    Animatable* cleared = Animatable::fromParams(runParams(false, "run"));
    addEntity("cleared", {cleared, new AnimateAndDie});
    cleared->setAnimation("", 0.0);
    addEntity("boom", {Animatable::fromParams(runParams(false, "run")), new AnimateAndDie});
    for (int tick = 0; tick < 18; ++tick)
        step();
    ASSERT_NE(nullptr, scene->findEntity("boom"));
    EXPECT_EQ(3u, renderer->renderableCount());
    for (int tick = 0; tick < 2; ++tick)
        step();
    EXPECT_EQ(nullptr, scene->findEntity("boom"));
    EXPECT_NE(nullptr, scene->findEntity("idle"));
    EXPECT_NE(nullptr, scene->findEntity("cleared"));
    EXPECT_EQ(2u, renderer->renderableCount());
}

TEST_F(AnimatableTest, OccludedAnimationShowsOnlyItsLeftQuarter) {
    addEntity("camera", {new Camera(Vector2(800, 600))});
    ParamList list = params({{"zOrder", "1"},
                             {"sequence0", "Quarters"},
                             {"name0", "bar"},
                             {"fps0", "1"},
                             {"animation", "bar"},
                             {"occlusion", "0.25"}});
    auto bar = OccludedAnimatable::fromParams(list);
    addEntity("bar", {bar});
    drawFrame();
    EXPECT_EQ(red, worldPixel(-190, 0));
    EXPECT_EQ(red, worldPixel(-110, 0));
    EXPECT_EQ(black, worldPixel(-90, 0));

    // Running the other way keeps the right part; the geometry follows the new occlusion.
    bar->setMinPos(1.0);
    bar->setMaxPos(0.0);
    bar->setOcclusion(0.5);
    drawFrame();
    EXPECT_EQ(black, worldPixel(-10, 0));
    EXPECT_EQ((Rgba{0, 0, 255, 255}), worldPixel(50, 0));
    EXPECT_EQ(white, worldPixel(190, 0));
}

TEST_F(AnimatableTest, SequenceProblemsAreLoggedAndTheirAnimationsSkipped) {
    ParamList list = params({{"zOrder", "1"}, {"animation", "mystery"}});
    const char* sequences[] = {"Mystery",    "Bandless", "Frameless", "Lost",
                               "Lengthless", "Absent",   "Bands"};
    for (int i = 0; i < 7; ++i) {
        std::string index = std::to_string(i);
        list.set("sequence" + index, sequences[i]);
        list.set("name" + index, i == 0 ? "mystery" : i == 6 ? "good" : "bad" + index);
        list.set("fps" + index, "10");
    }
    auto animatable = detached(list);
    EXPECT_TRUE(animatable->hasAnimation("good"));
    EXPECT_FALSE(animatable->hasAnimation("mystery"));
    EXPECT_EQ("", animatable->getCurrentName());
    std::string log = xmlLog();
    for (const char* expected :
         {"Error: Loading AnimationSequence Mystery: unregistered sequence type: FlipBook.",
          "invalid stripSize attribute in StripSequence.", "no frame elements in StripSequence.",
          "invalid filename NoSuchStrip.png for StripSequence.",
          "no length attribute in StripSequence.",
          "Error: Loading AnimationSequence Absent: cannot find element name in any loaded xml "
          "files.",
          "Error: Cannot set mystery to starting animation"})
        EXPECT_NE(std::string::npos, log.find(expected)) << expected;
}

TEST_F(AnimatableTest, AnimationNamesNotAddedAreRefused) {
    auto animatable = detached(params({{"zOrder", "1"}, {"animation", "walk"}}));
    EXPECT_THROW(animatable->setAnimation("walk", 0.0), myexception);
    EXPECT_THROW(animatable->setLoop("walk", true), myexception);
    EXPECT_EQ(nullptr, animatable->renderOperation()->texture.get());
}

TEST_F(AnimatableTest, ActionEventsSwitchAnimationsAndMoveThePosition) {
    auto animatable = Animatable::fromParams(runParams());
    Entity* entity = addEntity("actor", {animatable});
    AnimationActionEvent prototype;
    EventPtr start(prototype.createNew(
        params({{"action", "SetAnimation"}, {"name", "run"}, {"pos", "0.25"}, {"time", "2"}})));
    entity->sendEvent(start);
    EXPECT_EQ("run", animatable->getCurrentName());
    EXPECT_EQ(3, band(*animatable));
    entity->sendEvent(
        EventPtr(prototype.createNew(params({{"action", "SetPosition"}, {"pos", "0.1"}}))));
    EXPECT_EQ(0, band(*animatable));
    // A script naming an animation that does not exist is logged, not thrown.
    EXPECT_NO_THROW(entity->sendEvent(
        EventPtr(prototype.createNew(params({{"action", "SetAnimation"}, {"name", "fly"}})))));
    EXPECT_EQ("run", animatable->getCurrentName());
    EXPECT_EQ("Invalid type for action", thrownMessage([&] {
                  delete prototype.createNew(params({{"action", "Jump"}}));
              }));
    EXPECT_THROW(delete prototype.createNew(params({{"action", "SetPosition"}})), myexception);
}

TEST_F(AnimatableTest, CloneCopiesTheAnimationsAndFollowsItsOwnClock) {
    auto original = detached(runParams(false, "run"));
    original->update(0.25);
    std::unique_ptr<Component> copy(original->clone());
    auto& clone = static_cast<Animatable&>(*copy);
    EXPECT_EQ(3, band(clone));
    clone.setAnimation("still", 0.0);
    EXPECT_EQ("run", original->getCurrentName());
    EXPECT_EQ(3, band(*original));
    original.reset();
    clone.update(0.0);
    EXPECT_EQ(2, band(clone));
}

TEST(Animatable, CreationNeedsTheSequenceManagerAndAZOrder) {
    ParamList list;
    EXPECT_EQ("Error creating Animatable: Could not find parameter 'zOrder'",
              thrownMessage([&] { delete Animatable::fromParams(list); }));
    for (const char* name : {"zOrder", "sequence0", "name0", "fps0"})
        list.set(name, "1");
    EXPECT_EQ("sequence manager not instantiated for Animatable.",
              thrownMessage([&] { delete Animatable::fromParams(list); }));
}
