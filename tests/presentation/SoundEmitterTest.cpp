#include "presentation/SoundEmitter.h"
#include "core/ParamList.h"
#include "presentation/AudioClipManager.h"
#include "support/AudioTest.h"
#include "support/FontSupport.h"
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
        ParamList params;
        const char* entries[][3] = {
            {"0", "beep.wav", "beep"}, {"1", "chime.flac", "chime"}, {"3", "beep.wav", "late"}};
        for (auto& [index, file, name] : entries) {
            params.set(std::string("sound") + index, sound(file));
            params.set(std::string("name") + index, name);
        }
        params.set("loop1", "true");
        params.set("playOnAdd", "chime");
        return params;
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
    ParamList list;
    list.set("sound0", "no/such/boom.wav");
    EXPECT_THROW(make(list), myexception);
    list.set("name0", "boom");
    ASSERT_NO_THROW(std::unique_ptr<SoundEmitter>(make(list)));
    EXPECT_NE(readFile("AudioSystemLog.txt").find("Error loading sound clip no/such/boom.wav: "),
              std::string::npos);
}
