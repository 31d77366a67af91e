#pragma once

#include "presentation/AudioStream.h"
#include "world/Component.h"
#include "world/SceneListener.h"

#include <memory>
#include <string>

// Background music that plays while its entity is in a scene: started when the entity enters,
// stopped when it leaves. The stream is shared by file path with every other player of the same
// music, and released when this player goes.
class MusicPlayer : public Component {
public:
    // Hears its entity enter and leave scenes.
    class Listener : public SceneListener {
    public:
        explicit Listener(MusicPlayer& player) : player(player) {}
        void entityEntered(const SceneEventPtr& event) override;
        void entityLeft(const SceneEventPtr& event) override;

    private:
        MusicPlayer& player;
    };

    MusicPlayer();
    // The copy loops and keeps the loop section as the original does.
    MusicPlayer(const MusicPlayer& other);
    ~MusicPlayer() override;

    const std::string& getType() const override;
    // Parameters "filename" (required), "looping" (default false), "loopStart" and "loopEnd" in
    // milliseconds (the section is set only when both are given).
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override;
    bool isFilenameParam(const std::string& name) const override;
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    const AudioStream& getStream() const { return *stream; }
    // What the stream's sound says; false when it has none.
    bool isLooping() const;
    // False when the stream has no sound.
    bool getLoopPoints(unsigned& start, unsigned& end) const;

private:
    MusicPlayer(const std::string& path, bool looping, bool hasLoopPoints, unsigned loopStart,
                unsigned loopEnd);
    // The loop section of the original for a copy: from its sound while it has one.
    static unsigned copiedLoopPoint(const MusicPlayer& other, bool start);
    void applySettings();
    void play();
    void stop();

    // Kept here as well as on the sound: a stream released by another player comes back with
    // the defaults, and a copy made then must still loop as designed. Declared before the
    // stream, so that a copy reads the original's sound before its own stream exists.
    bool looping = false;
    bool hasLoopPoints = false;
    unsigned loopStart = 0;
    unsigned loopEnd = 0;
    std::unique_ptr<AudioStream> stream;
    Listener listener;
};
