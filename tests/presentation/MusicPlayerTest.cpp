#include "presentation/MusicPlayer.h"
#include "core/ParamList.h"
#include "presentation/AudioStreamManager.h"
#include "support/AudioTest.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class MusicPlayerTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        makeStreamManager();
        scene = std::make_unique<SceneManager>();
    }
    void TearDown() override {
        scene.reset();
        AudioTest::TearDown();
    }
    MusicPlayer* make(const ParamList& params) {
        return dynamic_cast<MusicPlayer*>(MusicPlayer().createNew(params));
    }
    ParamList loopingMusic() {
        ParamList params;
        params.set("filename", music);
        params.set("looping", "true");
        params.set("loopStart", "500");
        params.set("loopEnd", "1000");
        return params;
    }
    bool musicPlays() { return AudioStreamManager::getSingleton().isPlaying(music); }

    const std::string music = sound("music.ogg");
    std::unique_ptr<SceneManager> scene;
};
} // namespace

TEST_F(MusicPlayerTest, PlaysWhileItsEntityIsInASceneAndLoopsInsideItsSection) {
    MusicPlayer* player = make(loopingMusic());
    EXPECT_TRUE(player->isLooping());
    unsigned start = 0;
    unsigned end = 0;
    ASSERT_TRUE(player->getLoopPoints(start, end));
    EXPECT_EQ(start, 500u);
    EXPECT_EQ(end, 1000u);

    SceneNode* node = Entity::create("music", {player});
    EXPECT_FALSE(musicPlays());
    scene->addNode(node);
    EXPECT_TRUE(musicPlays());
    run(5.0, scene.get());
    EXPECT_TRUE(musicPlays());

    scene->removeNode(node);
    EXPECT_FALSE(musicPlays());
    delete node;
}

TEST_F(MusicPlayerTest, LoopStartAloneSetsNoLoopPoints) {
    ParamList params;
    params.set("filename", music);
    params.set("loopStart", "500");
    std::unique_ptr<MusicPlayer> player(make(params));
    EXPECT_FALSE(player->isLooping());
    unsigned start = 1;
    unsigned end = 0;
    ASSERT_TRUE(player->getLoopPoints(start, end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2000u);
}

TEST_F(MusicPlayerTest, JoiningAnEntityAlreadyInASceneStartsTheMusic) {
    SceneNode* node = Entity::create("holder");
    scene->addNode(node);
    MusicPlayer* player = make(loopingMusic());
    ASSERT_TRUE(node->getEntity()->addComponent(player));
    EXPECT_TRUE(musicPlays());
    ASSERT_TRUE(node->getEntity()->removeComponent(player));
    EXPECT_FALSE(musicPlays());
    delete player;
}

// A screen change releases the templates the old screen used while the new screen's copy of the
// same music plays on.
TEST_F(MusicPlayerTest, ReleasingTheTemplatePrototypeKeepsTheSceneMusicPlaying) {
    std::unique_ptr<MusicPlayer> prototype(make(loopingMusic()));
    SceneNode* node = Entity::create("music", {prototype->clone()});
    scene->addNode(node);
    prototype.reset();
    EXPECT_TRUE(musicPlays());
    run(1.0, scene.get());
    EXPECT_EQ(channelsPlaying(), 1);
    scene->removeNode(node);
    delete node;
    EXPECT_EQ(AudioStreamManager::getSingleton().getSound(music), nullptr);
}

TEST_F(MusicPlayerTest, FilenameIsRequiredAndIsTheOnlyFileName) {
    EXPECT_THROW(make(ParamList()), myexception);
    EXPECT_FALSE(MusicPlayer().isFilenameParam("looping"));
}
