#include "presentation/MusicPlayer.h"
#include "presentation/AudioStreamManager.h"
#include "support/AudioTest.h"
#include "support/Params.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

namespace {
class MusicPlayerTest : public AudioTest {
protected:
    MusicPlayerTest() : AudioTest(Streams | Scene) {}
    MusicPlayer* make() {
        const ParamList list = params(
            {{"filename", music}, {"looping", "true"}, {"loopStart", "500"}, {"loopEnd", "1000"}});
        return dynamic_cast<MusicPlayer*>(MusicPlayer().createNew(list));
    }
    bool musicPlays() { return AudioStreamManager::getSingleton().isPlaying(music); }

    const std::string music = sound("music.ogg");
};
} // namespace

TEST_F(MusicPlayerTest, PlaysWhileItsEntityIsInASceneAndLoopsInsideItsSection) {
    SceneNode* node = Entity::create("holder");
    scene->addNode(node);
    MusicPlayer* player = make();
    ASSERT_TRUE(node->getEntity()->addComponent(player));
    run(5.0, scene.get());
    EXPECT_TRUE(musicPlays());
    ASSERT_TRUE(node->getEntity()->removeComponent(player));
    EXPECT_FALSE(musicPlays());
    node->getEntity()->addComponent(player);
    scene->removeNode(node);
    EXPECT_FALSE(musicPlays());
    delete node;
}

// A screen change releases the old screen's templates while the new screen's music plays on.
TEST_F(MusicPlayerTest, ReleasingTheTemplatePrototypeKeepsTheSceneMusicPlaying) {
    std::unique_ptr<MusicPlayer> prototype(make());
    SceneNode* node = Entity::create("music", {prototype->clone()});
    scene->addNode(node);
    prototype.reset();
    run(1.0, scene.get());
    EXPECT_EQ(channelsPlaying(), 1);
    scene->removeNode(node);
    delete node;
    EXPECT_EQ(AudioStreamManager::getSingleton().getSound(music), nullptr);
}
