#include "presentation/PlaySoundOnce.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"
#include "support/Params.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

namespace {
class PlaySoundOnceTest : public AudioTest {
protected:
    PlaySoundOnceTest() : AudioTest(Clips | Scene) {}
    PlaySoundOnce* make(const std::string& path) {
        return dynamic_cast<PlaySoundOnce*>(PlaySoundOnce().createNew(params({{"sound", path}})));
    }
    std::size_t entities() { return scene->getEntities().size(); }
};
} // namespace

// Each copy carries its own player; an unplayable sound is logged and its carrier removed.
TEST_F(PlaySoundOnceTest, KeepsPlayingAfterItsOwnerIsKilledThenRemovesItsCarrier) {
    std::unique_ptr<PlaySoundOnce> prototype(make(sound("chime.flac")));
    SceneNode* owner = Entity::create("explosion", {prototype->clone()});
    scene->addNode(owner);
    scene->addNode(Entity::create("bystander", {prototype->clone()}));
    EXPECT_EQ(entities(), 4u);
    EXPECT_NE(prototype->getCarrier(), nullptr);
    owner->getEntity()->kill();
    run(0.4, scene.get());
    EXPECT_EQ(entities(), 3u);
    EXPECT_EQ(channelsPlaying(), 2);
    run(0.2, scene.get());
    EXPECT_EQ(entities(), 1u);
    EXPECT_NO_THROW(scene->addNode(Entity::create("bang", {make("no/such/bang.wav")})));
    run(0.05, scene.get());
    EXPECT_EQ(entities(), 2u);
    EXPECT_NE(readFile("AudioSystemLog.txt").find("Error playing sound no/such/bang.wav: "),
              std::string::npos);
    EXPECT_EQ(thrownMessage([] { PlaySoundOnce().createNew(ParamList()); }),
              "PlaySoundOnce Could not find parameter 'sound'");
}

TEST_F(PlaySoundOnceTest, CarrierMovedWithinItsSceneKeepsOneSoundAndIsStillRemoved) {
    SceneNode* owner = Entity::create("explosion", {make(sound("chime.flac"))});
    scene->addNode(owner);
    owner->getEntity()->kill();
    run(0.016, scene.get());
    ASSERT_EQ(entities(), 1u);
    SceneNode* carrier = (*scene->getEntities().begin())->getNode();
    auto* holder = new SceneNode();
    scene->addNode(holder);
    ASSERT_TRUE(scene->removeNode(carrier));
    ASSERT_TRUE(holder->addChild(carrier));
    run(0.016, scene.get());
    EXPECT_EQ(channelsPlaying(), 1);
    run(0.4, scene.get());
    run(0.2, scene.get());
    EXPECT_EQ(entities(), 0u);
    EXPECT_EQ(channelsPlaying(), 0);
}
