#include "presentation/SoundEmitter.h"
#include "core/ParamList.h"
#include "presentation/AudioClipManager.h"
#include "presentation/AudioManager.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class SoundEmitterTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        makeClipManager();
        scene = std::make_unique<SceneManager>();
    }
    void TearDown() override {
        scene.reset();
        AudioTest::TearDown();
    }
    SoundEmitter* make(const ParamList& params) {
        return dynamic_cast<SoundEmitter*>(SoundEmitter().createNew(params));
    }
    ParamList twoSounds() {
        ParamList params;
        params.set("sound0", sound("beep.wav"));
        params.set("name0", "beep");
        params.set("sound1", sound("chime.flac"));
        params.set("name1", "chime");
        params.set("loop1", "true");
        params.set("playOnAdd", "chime");
        return params;
    }

    std::unique_ptr<SceneManager> scene;
};
} // namespace

TEST_F(SoundEmitterTest, PlaysOnAddLoopsAsToldAndStopsWhenItsEntityLeaves) {
    SoundEmitter* emitter = make(twoSounds());
    SceneNode* node = Entity::create("emitter", {emitter});
    scene->addNode(node);
    EXPECT_TRUE(emitter->isPlaying("chime"));
    EXPECT_FALSE(emitter->isPlaying("beep"));
    run(2.0, scene.get());
    EXPECT_TRUE(emitter->isPlaying("chime"));

    scene->removeNode(node);
    EXPECT_FALSE(emitter->isPlaying("chime"));
    run(0.016);
    EXPECT_EQ(channelsPlaying(), 0);
    delete node;
}

TEST_F(SoundEmitterTest, UnknownNamesAndMissingNamesAreErrors) {
    std::unique_ptr<SoundEmitter> emitter(make(twoSounds()));
    EXPECT_EQ(thrownMessage([&] { emitter->play("boom"); }), "Sound not found.");
    ParamList unnamed;
    unnamed.set("sound0", sound("beep.wav"));
    EXPECT_THROW(make(unnamed), myexception);
}

TEST_F(SoundEmitterTest, SoundListEndsAtTheFirstGapAndFileParametersAreTheSoundOnes) {
    ParamList params = twoSounds();
    params.erase("sound1");
    params.set("sound2", sound("chime.flac"));
    params.set("name2", "late");
    std::unique_ptr<SoundEmitter> emitter(make(params));
    EXPECT_TRUE(emitter->hasSound("beep"));
    EXPECT_FALSE(emitter->hasSound("late"));
    EXPECT_TRUE(emitter->isFilenameParam("sound7"));
    EXPECT_FALSE(emitter->isFilenameParam("name0"));
}

TEST_F(SoundEmitterTest, MissingSoundFileIsLoggedAndTheEntityStaysSilent) {
    ParamList params;
    params.set("sound0", "no/such/boom.wav");
    params.set("name0", "boom");
    params.set("playOnAdd", "boom");
    SoundEmitter* emitter = nullptr;
    ASSERT_NO_THROW(emitter = make(params));
    EXPECT_NO_THROW(scene->addNode(Entity::create("silent", {emitter})));
    EXPECT_FALSE(emitter->isPlaying("boom"));
    EXPECT_NE(readFile("AudioSystemLog.txt").find("Error loading sound clip no/such/boom.wav: "),
              std::string::npos);
    EXPECT_THROW(emitter->play("boom"), myexception);
}

TEST_F(SoundEmitterTest, CopyPlaysTheSameClipsOnItsOwnReferences) {
    std::unique_ptr<SoundEmitter> original(make(twoSounds()));
    std::unique_ptr<Component> copy(original->clone());
    auto* emitter = dynamic_cast<SoundEmitter*>(copy.get());
    original->play("beep");
    emitter->play("beep");
    EXPECT_EQ(channelsPlaying(), 2);
    EXPECT_EQ(AudioClipManager::getSingleton().referenceCount(sound("beep.wav")), 2u);
}
