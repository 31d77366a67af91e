#include "presentation/SoundEmitter.h"
#include "presentation/AudioClipManager.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"
#include "support/Params.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

namespace {
class SoundEmitterTest : public AudioTest {
protected:
    SoundEmitterTest() : AudioTest(Clips | Scene) {}
    SoundEmitter* make(const ParamList& params) {
        return dynamic_cast<SoundEmitter*>(SoundEmitter().createNew(params));
    }
    // The sound after the gap is not on the list.
    ParamList sounds() {
        ParamList list = paramList("name0=beep name1=chime name3=late loop1=true playOnAdd=chime");
        const char* files[] = {"beep.wav", "chime.flac", "", "beep.wav"};
        for (int index : {0, 1, 3})
            list.set("sound" + std::to_string(index), sound(files[index]));
        return list;
    }
};
} // namespace

// A copy plays the same clips on its own references.
TEST_F(SoundEmitterTest, PlaysOnAddLoopsAsToldAndStopsWhenItsEntityLeaves) {
    SoundEmitter* emitter = make(sounds());
    std::unique_ptr<Component> copy(emitter->clone());
    SceneNode* node = Entity::create("emitter", {emitter});
    scene->addNode(node);
    emitter->play("beep");
    dynamic_cast<SoundEmitter&>(*copy).play("beep");
    EXPECT_EQ(channelsPlaying(), 3);
    run(2.0, scene.get());
    EXPECT_TRUE(emitter->isPlaying("chime"));
    scene->removeNode(node);
    run(0.016);
    EXPECT_EQ(channelsPlaying(), 0);
    delete node;
}

// A missing sound file is only logged.
TEST_F(SoundEmitterTest, UnknownNamesAndMissingNamesAreErrors) {
    std::unique_ptr<SoundEmitter> emitter(make(sounds()));
    EXPECT_EQ(thrownMessage([&] { emitter->play("late"); }), "Sound not found.");
    EXPECT_THROW(make(paramList("sound0=no/such/boom.wav")), myexception);
    ASSERT_NO_THROW(
        std::unique_ptr<SoundEmitter>(make(paramList("sound0=no/such/boom.wav name0=boom"))));
    EXPECT_NE(readFile("AudioSystemLog.txt").find("Error loading sound clip no/such/boom.wav: "),
              std::string::npos);
}
