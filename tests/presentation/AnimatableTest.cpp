#include "presentation/Animatable.h"
#include "presentation/AnimateAndDie.h"
#include "presentation/AnimationActionEvent.h"
#include "presentation/AnimationEvent.h"
#include "presentation/Camera.h"
#include "presentation/OccludedAnimatable.h"
#include "support/FontSupport.h"
#include "support/RecordingListener.h"
#include "support/RenderFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

#include <memory>

namespace {

class AnimatableTest : public AnimationFixture {
protected:
    // "run" plays Bands at 10 frames a second: band 0 for 0.2 s, then band 3 for 0.1 s.
    ParamList runParams(bool loop = false, const std::string& start = "") {
        ParamList list = paramList("zOrder=1 sequence0=Bands name0=run sequence1=Frozen "
                                   "name1=still fps0=10 fps1=10");
        for (const char* key : {"loop0", "loop1"})
            list.set(key, loop ? "true" : "false");
        if (!start.empty())
            list.set("animation", start);
        return list;
    }
    std::unique_ptr<Animatable> detached(const ParamList& list) {
        return std::unique_ptr<Animatable>(Animatable::fromParams(list));
    }
    static int band(const Animatable& animatable) {
        return static_cast<int>(animatable.getTexCoords()[1] * 4 + 0.5);
    }
    static std::vector<int> kinds(const RecordingListener& listener) {
        std::vector<int> result;
        for (const EventPtr& event : listener.heard)
            result.push_back(static_cast<const AnimationEvent&>(*event).getKind());
        return result;
    }
    Animatable* heardBy(RecordingListener& listener, const std::string& name) {
        Animatable* animatable = Animatable::fromParams(runParams());
        addEntity(name, {animatable})->addListener(&listener);
        return animatable;
    }
};
} // namespace

// "run" lasts 0.3 s; a frame boundary shows the earlier frame.
TEST_F(AnimatableTest, StripFramesLastTheirLengthAndALoopWrapsAtItsTotalDuration) {
    struct Case {
        bool loop;
        double time, elapsed;
        int band;
    } cases[] = {{false, 0.2, 0.2, 0},
                 {false, 0.2001, 0.2001, 3},
                 {false, 5.0, 0.3, 3},
                 {true, 0.31, 0.01, 0},
                 {true, 0.55, 0.25, 3}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.time);
        auto animatable = detached(runParams(test.loop, "run"));
        animatable->update(test.time);
        EXPECT_EQ(test.band, band(*animatable));
        EXPECT_NEAR(test.elapsed, animatable->getElapsed(), 1e-9);
        EXPECT_EQ(!test.loop && test.time > 0.3, animatable->isFinished());
    }
    ParamList later = runParams(true, "run");
    later.set("frame", "0.25");
    EXPECT_EQ(3, band(*detached(later)));
}

// Restarted, even right at its end, an animation ends again; a zero-length one still ends once.
TEST_F(AnimatableTest, ClockEndsANonLoopingAnimationOnceAndKeepsItsLastFrame) {
    for (bool loop : {false, true}) {
        auto animatable = detached(runParams(loop, "still"));
        animatable->advance(0.016);
        EXPECT_EQ(2, band(*animatable)) << loop;
    }
    RecordingListener runs(EventType::Animation), stills(EventType::Animation);
    Animatable* animatable = heardBy(runs, "runner");
    animatable->setAnimation("run", 0.0);
    heardBy(stills, "stiller")->setAnimation("still", 0.0);
    for (int tick = 0; tick < 40; ++tick)
        step();
    EXPECT_EQ((std::vector<int>{AnimationEvent::Started, AnimationEvent::Ended}), kinds(runs));
    EXPECT_EQ((std::vector<int>{AnimationEvent::Ended, AnimationEvent::Started}), kinds(stills));
    EXPECT_EQ("run", static_cast<const AnimationEvent&>(*runs.heard[1]).getAnimationName());
    animatable->setAnimation("run", 0.3);
    step();
    EXPECT_EQ(4u, runs.heard.size());
    EXPECT_EQ(AnimationEvent::Ended, kinds(runs).back());
}

// Showing nothing (no animation yet, or cleared) is not an animation that ended.
TEST_F(AnimatableTest, AnimateAndDieRemovesItsEntityOnlyWhenARealAnimationEnds) {
    addEntity("idle", {Animatable::fromParams(runParams()), new AnimateAndDie});
    Animatable* cleared = Animatable::fromParams(runParams(false, "run"));
    addEntity("cleared", {cleared, new AnimateAndDie});
    cleared->setAnimation("", 0.0);
    addEntity("boom", {Animatable::fromParams(runParams(false, "run")), new AnimateAndDie});
    for (int tick = 1; tick <= 20; ++tick) {
        step();
        EXPECT_EQ(tick < 19, nullptr != scene->findEntity("boom")) << tick;
    }
    EXPECT_EQ(nullptr, scene->findEntity("boom"));
    EXPECT_NE(nullptr, scene->findEntity("idle"));
    EXPECT_NE(nullptr, scene->findEntity("cleared"));
}

TEST_F(AnimatableTest, OccludedAnimationShowsOnlyItsLeftQuarter) {
    addEntity("camera", {new Camera(Vector2(800, 600))});
    auto bar = OccludedAnimatable::fromParams(
        paramList("zOrder=1 sequence0=Quarters name0=bar fps0=1 animation=bar occlusion=0.25"));
    addEntity("bar", {bar});
    drawFrame();
    EXPECT_EQ((Rgba{255, 0, 0, 255}), worldPixel(-110, 0));
    EXPECT_EQ((Rgba{0, 0, 0, 255}), worldPixel(-90, 0));
    // Running the other way keeps the right part; the geometry follows the new occlusion.
    bar->setMinPos(1.0);
    bar->setMaxPos(0.0);
    bar->setOcclusion(0.5);
    drawFrame();
    EXPECT_EQ((Rgba{0, 0, 0, 255}), worldPixel(-10, 0));
    EXPECT_EQ((Rgba{0, 0, 255, 255}), worldPixel(50, 0));
    EXPECT_EQ((Rgba{255, 255, 255, 255}), worldPixel(190, 0));
}

TEST_F(AnimatableTest, SequenceProblemsAreLoggedAndTheirAnimationsSkipped) {
    auto animatable =
        detached(paramList("zOrder=1 animation=mystery fps0=10 fps1=10 fps2=10 "
                           "sequence0=Mystery name0=mystery sequence1=Lost name1=lost "
                           "sequence2=Bands name2=good"));
    EXPECT_TRUE(animatable->hasAnimation("good"));
    EXPECT_FALSE(animatable->hasAnimation("mystery"));
    const std::string log = readTextFile("XmlSystemLogFile.txt");
    for (const char* expected :
         {"Error: Loading AnimationSequence Mystery: unregistered sequence type: FlipBook.",
          "invalid filename NoSuchStrip.png for StripSequence.",
          "Error: Cannot set mystery to starting animation"})
        EXPECT_NE(std::string::npos, log.find(expected)) << expected;
}

// A script naming an animation that does not exist is logged, not thrown.
TEST_F(AnimatableTest, ActionEventsSwitchAnimationsAndMoveThePosition) {
    auto animatable = Animatable::fromParams(runParams());
    Entity* entity = addEntity("actor", {animatable});
    AnimationActionEvent prototype;
    auto send = [&](const ParamList& list) {
        entity->sendEvent(EventPtr(prototype.createNew(list)));
    };
    send(params({{"action", "SetAnimation"}, {"name", "run"}, {"pos", "0.25"}, {"time", "2"}}));
    EXPECT_EQ(3, band(*animatable));
    send(params({{"action", "SetPosition"}, {"pos", "0.1"}}));
    EXPECT_EQ(0, band(*animatable));
    EXPECT_NO_THROW(send(params({{"action", "SetAnimation"}, {"name", "fly"}})));
    EXPECT_EQ("Invalid type for action", thrownMessage([&] {
                  send(params({{"action", "Jump"}}));
              }));
}

TEST_F(AnimatableTest, CloneCopiesTheAnimationsAndFollowsItsOwnClock) {
    auto original = detached(runParams(false, "run"));
    original->update(0.25);
    std::unique_ptr<Animatable> clone(static_cast<Animatable*>(original->clone()));
    clone->setAnimation("still", 0.0);
    EXPECT_EQ(3, band(*original));
    original.reset();
    clone->update(0.0);
    EXPECT_EQ(2, band(*clone));
}
