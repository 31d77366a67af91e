#include "presentation/Animatable.h"

#include "core/LogFile.h"
#include "core/ParamList.h"
#include "core/myexception.h"
#include "presentation/AnimationActionEvent.h"
#include "presentation/AnimationEvent.h"
#include "presentation/AnimationSequenceManager.h"
#include "world/Entity.h"

#include <boost/thread/recursive_mutex.hpp>

#include <cmath>
#include <memory>

namespace {
const char* const errorContext = "Error creating Animatable:";
} // namespace

// Action listener --------------------------------------------------------------------------------

Animatable::ActionListener::ActionListener(Animatable& owner)
    : EventListener(EventType::AnimationAction), owner(owner) {}

void Animatable::ActionListener::handleEvent(const EventPtr& event) {
    auto action = dynamic_cast<const AnimationActionEvent*>(event.get());
    if (!action)
        return;
    if (action->getKind() == AnimationActionEvent::SetPosition) {
        owner.update(action->getPosition());
        return;
    }
    // Scripts name animations; a wrong name is a data error, so it is logged instead of being
    // thrown through the scene's event delivery.
    try {
        owner.setAnimation(action->getAnimationName(), action->getPosition());
    } catch (const myexception&) {
        AnimationSequence::writeLog("Error: Cannot set " + action->getAnimationName() +
                                        " from an AnimationAction: animation not found.",
                                    LogFile::Important);
    }
}

// Construction -----------------------------------------------------------------------------------

const std::string& Animatable::typeName() {
    static const std::string name = "Animatable";
    return name;
}

const Animatable::Animation& Animatable::emptyAnimation() {
    static const Animation empty;
    return empty;
}

Animatable::Animatable(double zOrder)
    : TexturedQuad(OrientedBox(), zOrder), current(&emptyAnimation()),
      actionListener(new ActionListener(*this)) {}

Animatable::Animatable(const Animatable& other)
    : TexturedQuad(other), current(&emptyAnimation()), currentName(other.currentName),
      elapsed(other.elapsed), frameIndex(other.frameIndex), finished(other.finished),
      endAnnounced(other.endAnnounced), actionListener(new ActionListener(*this)) {
    for (const auto& entry : other.animations)
        animations.emplace(entry.first, std::make_unique<Animation>(*entry.second));
    auto found = animations.find(currentName);
    if (found != animations.end() && other.current != &emptyAnimation()) {
        current = found->second.get();
        if (other.currentFrame && frameIndex < current->frames.size())
            currentFrame = &current->frames[frameIndex];
    }
    markGeometryDirty();
}

Animatable::~Animatable() = default;

Animatable* Animatable::fromParams(const ParamList& params) {
    double zOrder = 0.0;
    params.getRequired("zOrder", zOrder, errorContext);
    std::unique_ptr<Animatable> made(new Animatable(zOrder));
    readAnimations(*made, params);
    return made.release();
}

void Animatable::readAnimations(Animatable& target, const ParamList& params) {
    for (unsigned i = 0;; ++i) {
        const std::string index = std::to_string(i);
        if (!params.has("sequence" + index))
            break;
        const std::string& sequenceName = params.getText("sequence" + index);
        std::string name;
        params.getRequired("name" + index, name, errorContext);
        double fps = 0.0;
        params.getRequired("fps" + index, fps, errorContext);
        bool loop = false;
        params.get("loop" + index, loop);
        AnimationSequenceManager* sequences = AnimationSequenceManager::getSingletonPtr();
        if (!sequences)
            throw myexception("sequence manager not instantiated for Animatable.");
        AnimationSequencePtr sequence = sequences->getSequence(sequenceName);
        if (!sequence) {
            AnimationSequence::writeLog("Error: " + sequenceName +
                                            " not found in SequenceManager when creating "
                                            "animatable.",
                                        LogFile::Important);
            continue;
        }
        target.addAnimation(name, sequence->getHandle(), fps);
        // A sequence that failed to load was logged already; its animation is simply missing.
        if (target.hasAnimation(name))
            target.setLoop(name, loop);
    }
    const std::string& animation = params.getText("animation");
    double frame = 0.0;
    params.get("frame", frame);
    try {
        target.setAnimation(animation, frame);
    } catch (const myexception&) {
        AnimationSequence::writeLog("Error: Cannot set " + animation + " to starting animation",
                                    LogFile::Important);
    }
    target.setColour(colourFrom(params));
}

bool Animatable::attach(Entity* entity) {
    if (getType() == typeName())
        return attachAs({typeName(), Renderable::roleName()}, entity);
    return attachAs({getType(), typeName(), Renderable::roleName()}, entity);
}

void Animatable::entityChanged(Entity* newEntity, Entity* oldEntity) {
    if (oldEntity)
        oldEntity->removeListener(actionListener.get());
    if (newEntity)
        newEntity->addListener(actionListener.get());
}

// Animations -------------------------------------------------------------------------------------

void Animatable::addAnimation(const std::string& name, ResourceHandle handle, double fps) {
    if (name.empty())
        return;
    // A rate of zero or less would give frames of infinite or negative length.
    if (!(fps > 0.0) || !std::isfinite(fps)) {
        AnimationSequence::writeLog("Error: invalid fps for animation " + name + ".",
                                    LogFile::Important);
        return;
    }
    AnimationSequenceManager* sequences = AnimationSequenceManager::getSingletonPtr();
    AnimationSequencePtr sequence = sequences ? sequences->getSequence(handle) : nullptr;
    if (!sequence)
        return;
    boost::recursive_mutex::scoped_lock lock(sequence->getMutex());
    sequence->load();
    const AnimationSequence::Data* data = sequence->getData();
    if (sequence->loadFailed() || !data)
        return;

    auto animation = std::make_unique<Animation>();
    animation->quad = data->quad();
    const double period = 1.0 / fps;
    for (unsigned i = 0; i < data->frameCount(); ++i) {
        AnimationSequence::Frame frame = data->frame(i);
        FrameEntry entry;
        entry.texture = loadTexture(frame.fileName);
        entry.texCoords = frame.texCoords;
        entry.duration = frame.length * period;
        animation->totalDuration += entry.duration;
        animation->frames.push_back(entry);
    }
    std::unique_ptr<Animation>& slot = animations[name];
    bool replacingCurrent = slot && current == slot.get();
    slot = std::move(animation);
    // The shown animation was replaced: point at its successor instead of the deleted record.
    if (replacingCurrent) {
        current = slot.get();
        update(elapsed);
    }
}

void Animatable::setLoop(const std::string& name, bool loop) {
    if (name.empty())
        return;
    auto found = animations.find(name);
    if (found == animations.end())
        throw myexception("Animation not found.");
    found->second->loop = loop;
}

void Animatable::setAnimation(const std::string& name, double time) {
    if (name.empty()) {
        elapsed = 0.0;
        current = &emptyAnimation();
        currentFrame = nullptr;
        frameIndex = 0;
        finished = false;
        currentName.clear();
        setLocalBox(OrientedBox());
        return;
    }
    auto found = animations.find(name);
    if (found == animations.end())
        throw myexception("Animation not found.");
    current = found->second.get();
    currentName = name;
    endAnnounced = false;
    update(time);
    if (Entity* entity = getEntity())
        entity->sendEvent(EventPtr(new AnimationEvent(name, AnimationEvent::Started)));
    // The current record, not the one started above: a listener may have switched again.
    setLocalBox(current->quad);
}

void Animatable::update(double time) {
    const Animation& animation = *current;
    bool announceEnd = false;
    if (!animation.loop) {
        if (time >= animation.totalDuration) {
            finished = true;
            time = animation.totalDuration;
            // Announced once per run, and only to an entity that can hear it: a component made
            // with its start position past the end still tells its entity once in the scene.
            // Showing nothing is no animation and never ends (listeners remove entities on it).
            announceEnd = !endAnnounced && getEntity() && current != &emptyAnimation();
        } else {
            finished = false;
            endAnnounced = false;
        }
    } else {
        // A total of zero gives no number here; the frame walk below then ends on the last frame.
        time = std::fmod(time, animation.totalDuration);
    }
    elapsed = time;

    const auto& frames = animation.frames;
    if (frames.empty()) {
        currentFrame = nullptr;
        frameIndex = 0;
    } else {
        std::size_t shown = frames.size() - 1;
        if (animation.loop || !finished) {
            double remainder = elapsed;
            for (std::size_t i = 0; i < frames.size(); ++i) {
                remainder -= frames[i].duration;
                if (remainder <= 0.0) {
                    shown = i;
                    break;
                }
            }
        }
        frameIndex = static_cast<unsigned>(shown);
        currentFrame = &frames[shown];
        setTexCoords(currentFrame->texCoords);
    }

    // Last, so that a listener switching animations on the end sees this one fully updated and
    // is not overwritten by it.
    if (announceEnd) {
        endAnnounced = true;
        getEntity()->sendEvent(EventPtr(new AnimationEvent(currentName, AnimationEvent::Ended)));
    }
}

RenderOp* Animatable::renderOperation() {
    updateGeometry();
    RenderOp& op = mutableRenderOp();
    if (currentFrame && currentFrame->texture != op.texture)
        op.texture = currentFrame->texture;
    return &op;
}
