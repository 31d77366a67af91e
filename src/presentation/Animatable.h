#pragma once

#include "core/EventListener.h"
#include "core/Resource.h"
#include "presentation/TexturedQuad.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// An animated sprite: named animations made from animation sequences, one of which is shown.
// Time comes from the RenderManager's clock (advance) or from explicit positions (update).
// Starting an animation sends an AnimationEvent (Started) through the entity; a non-looping
// animation sends one (Ended) when it first reaches its end and then stays on its last frame.
// AnimationActionEvents on the entity switch animations or jump to positions.
//
// Registered as "Animatable", and under "Renderable" as well.
class Animatable : public TexturedQuad {
public:
    struct FrameEntry {
        TexturePtr texture;
        AxisAlignedBox texCoords;
        double duration = 0.0;
    };
    struct Animation {
        std::vector<FrameEntry> frames;
        OrientedBox quad;
        double totalDuration = 0.0;
        bool loop = false;
    };
    // Hears the AnimationActionEvents sent to the owner's entity.
    class ActionListener : public EventListener {
    public:
        explicit ActionListener(Animatable& owner);
        void handleEvent(const EventPtr& event) override;

    private:
        Animatable& owner;
    };

    static const std::string& typeName();

    explicit Animatable(double zOrder = 0.0);
    Animatable(const Animatable& other);
    ~Animatable() override;
    // Parameters: "zOrder" (required); "sequence"+i, "name"+i, "fps"+i, "loop"+i for i = 0, 1,
    // ...; "animation", "frame", "alpha", "color". Sequences that cannot be loaded are logged and
    // skipped. Raises "sequence manager not instantiated for Animatable." without an
    // AnimationSequenceManager.
    static Animatable* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new Animatable(*this); }
    bool attach(Entity* entity) override;
    void entityChanged(Entity* newEntity, Entity* oldEntity) override;

    // Adds (or replaces) an animation from a sequence of the AnimationSequenceManager, loading it
    // if needed; nothing happens for an empty name, a sequence that does not load or an fps that
    // is not positive. A frame of length 1 lasts 1/fps seconds.
    void addAnimation(const std::string& name, ResourceHandle sequence, double fps);
    // Raises "Animation not found." for a name that was not added; nothing for an empty name.
    void setLoop(const std::string& name, bool loop);
    // Starts the animation at the given position in seconds; the empty name shows nothing.
    // Raises "Animation not found." for a name that was not added.
    virtual void setAnimation(const std::string& name, double time);
    // Moves to a position of the current animation.
    void update(double time);
    // One tick of the clock.
    void advance(double seconds) { update(elapsed + seconds); }

    RenderOp* renderOperation() override;

    bool hasAnimation(const std::string& name) const { return animations.count(name) != 0; }
    const std::string& getCurrentName() const { return currentName; }
    double getElapsed() const { return elapsed; }
    unsigned getFrameIndex() const { return frameIndex; }
    bool isFinished() const { return finished; }
    const FrameEntry* getCurrentFrame() const { return currentFrame; }

protected:
    // Reads everything but "zOrder" into a new component.
    static void readAnimations(Animatable& target, const ParamList& params);

private:
    static const Animation& emptyAnimation();

    std::map<std::string, std::unique_ptr<Animation>> animations;
    const Animation* current;
    std::string currentName;
    double elapsed = 0.0;
    unsigned frameIndex = 0;
    const FrameEntry* currentFrame = nullptr;
    bool finished = false;
    // Set once the end of the current run was announced; cleared by setAnimation and by moving
    // back before the end.
    bool endAnnounced = false;
    std::unique_ptr<ActionListener> actionListener;
};
