#include "presentation/PlaySoundOnce.h"
#include "core/ParamList.h"
#include "presentation/AudioManager.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class PlaySoundOnceTest : public AudioTest {
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
    PlaySoundOnce* make(const std::string& path) {
        ParamList params;
        params.set("sound", path);
        return dynamic_cast<PlaySoundOnce*>(PlaySoundOnce().createNew(params));
    }

    std::unique_ptr<SceneManager> scene;
};
} // namespace

TEST_F(PlaySoundOnceTest, KeepsPlayingAfterItsOwnerIsKilledThenRemovesItsCarrier) {
    PlaySoundOnce* once = make(sound("chime.flac"));
    SceneNode* ownerNode = Entity::create("explosion", {once});
    scene->addNode(ownerNode);
    EXPECT_EQ(once->getCarrier(), nullptr);
    ASSERT_EQ(scene->getEntities().size(), 2u);
    EXPECT_EQ(channelsPlaying(), 1);

    ownerNode->getEntity()->kill();
    run(0.016, scene.get());
    EXPECT_EQ(scene->findEntity("explosion"), nullptr);
    ASSERT_EQ(scene->getEntities().size(), 1u);
    EXPECT_EQ(channelsPlaying(), 1);

    // Moving the carrier within the scene neither restarts the sound nor loses the process.
    SceneNode* carrier = (*scene->getEntities().begin())->getNode();
    auto* holder = new SceneNode();
    scene->addNode(holder);
    ASSERT_TRUE(scene->removeNode(carrier));
    ASSERT_TRUE(holder->addChild(carrier));
    run(0.016, scene.get());
    EXPECT_EQ(channelsPlaying(), 1);

    run(0.4, scene.get());
    EXPECT_EQ(scene->getEntities().size(), 1u);
    run(0.2, scene.get());
    EXPECT_TRUE(scene->getEntities().empty());
    EXPECT_EQ(channelsPlaying(), 0);
}

TEST_F(PlaySoundOnceTest, EachCopyCarriesItsOwnPlayer) {
    std::unique_ptr<PlaySoundOnce> prototype(make(sound("beep.wav")));
    scene->addNode(Entity::create("first", {prototype->clone()}));
    scene->addNode(Entity::create("second", {prototype->clone()}));
    EXPECT_EQ(scene->getEntities().size(), 4u);
    EXPECT_EQ(channelsPlaying(), 2);
    // The prototype never entered a scene and still owns its carrier.
    EXPECT_NE(prototype->getCarrier(), nullptr);
    run(0.4, scene.get());
    EXPECT_EQ(scene->getEntities().size(), 2u);
}

TEST_F(PlaySoundOnceTest, UnplayableSoundRemovesItsCarrierWithoutFailing) {
    PlaySoundOnce* once = make("no/such/bang.wav");
    EXPECT_NO_THROW(scene->addNode(Entity::create("bang", {once})));
    run(0.05, scene.get());
    EXPECT_EQ(scene->getEntities().size(), 1u);
    EXPECT_NE(readFile("AudioSystemLog.txt").find("Error playing sound no/such/bang.wav: "),
              std::string::npos);
}

TEST_F(PlaySoundOnceTest, SoundParameterIsRequiredAndIsTheOnlyFileName) {
    EXPECT_EQ(thrownMessage([] { PlaySoundOnce().createNew(ParamList()); }),
              "PlaySoundOnce Could not find parameter 'sound'");
    EXPECT_FALSE(PlaySoundOnce().isFilenameParam("sound0"));
}
