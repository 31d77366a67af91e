#include "presentation/SoundSystem.h"

#include "presentation/SoundHandleTable.h"

#include <algorithm>

namespace {
// The silent output mixes in slices this long so that streams are refilled in between.
constexpr std::int64_t mixSliceFrames = 1024;
constexpr int maximumChannels = 1024;
} // namespace

SoundSystem::~SoundSystem() {
    releaseEverything();
}

void SoundSystem::releaseEverything() {
    makeCurrent();
    // Callbacks of a system being torn down would reach managers that are going away too.
    for (auto& channel : channels)
        endChannel(*channel, false);
    pendingEnds.clear();
    channels.clear();
    for (auto& sound : sounds)
        SoundHandleTable::remove(sound->getHandle());
    sounds.clear();
    for (auto& group : groups)
        SoundHandleTable::remove(group->getHandle());
    groups.clear();
    output.close();
    initialized = false;
}

FMOD_RESULT SoundSystem::setOutput(FMOD_OUTPUTTYPE requested) {
    if (initialized)
        return FMOD_ERR_ALREADY_INITIALIZED;
    if (requested < FMOD_OUTPUTTYPE_AUTODETECT || requested > FMOD_OUTPUTTYPE_SILENT)
        return FMOD_ERR_BAD_ARGUMENT;
    requestedOutput = requested;
    return FMOD_OK;
}

FMOD_RESULT SoundSystem::init(int maxChannels) {
    if (initialized)
        return FMOD_ERR_ALREADY_INITIALIZED;
    if (maxChannels < 1 || maxChannels > maximumChannels)
        return FMOD_ERR_BAD_ARGUMENT;
    FMOD_RESULT result = output.open(requestedOutput, maxChannels);
    if (result != FMOD_OK)
        return result;
    for (int index = 0; index < maxChannels; ++index)
        channels.push_back(std::make_unique<SoundChannel>(this));
    createGroup("master");
    initialized = true;
    return FMOD_OK;
}

void SoundSystem::setSilentClock(FMOD_CLOCK_CALLBACK clock, void* userData) {
    catchUp();
    output.setClock(clock, userData);
}

void SoundSystem::catchUp() {
    makeCurrent();
    for (std::int64_t due = output.framesDue(); due > 0;) {
        for (auto& channel : channels)
            channel->pump();
        const std::int64_t slice = std::min(due, mixSliceFrames);
        output.render(static_cast<int>(slice));
        due -= slice;
    }
    for (auto& channel : channels)
        channel->pump();
}

FMOD_RESULT SoundSystem::update() {
    if (delivering)
        return FMOD_ERR_IN_CALLBACK;
    catchUp();
    for (auto& channel : channels)
        if (channel->hasPlayedOut())
            endChannel(*channel, true);
    // Ends found while callbacks run (a callback stopping another channel) wait for the next
    // update, so one update never loops.
    std::vector<PendingEnd> due;
    due.swap(pendingEnds);
    delivering = true;
    for (const PendingEnd& end : due)
        end.callback(SoundHandleTable::toHandle<FMOD_CHANNEL>(end.channel),
                     FMOD_CHANNEL_CALLBACKTYPE_END, end.value);
    delivering = false;
    return FMOD_OK;
}

void SoundSystem::endChannel(SoundChannel& channel, bool notify) {
    if (!channel.isActive())
        return;
    if (notify && channel.endCallback)
        pendingEnds.push_back(
            PendingEnd{channel.getHandle(), channel.endCallback, channel.callbackValue});
    channel.halt();
}

SoundChannelGroup* SoundSystem::createGroup(const std::string& name) {
    groups.push_back(std::make_unique<SoundChannelGroup>(name));
    SoundChannelGroup* group = groups.back().get();
    group->setHandle(SoundHandleTable::add(SoundHandleTable::Kind::Group, group, this));
    // The master is the first group; every later one starts beneath it.
    if (groups.size() > 1)
        group->setParent(&getMaster());
    return group;
}

FMOD_RESULT SoundSystem::addGroup(SoundChannelGroup& parent, SoundChannelGroup& child) {
    if (&child == &getMaster() || parent.isWithin(&child))
        return FMOD_ERR_GROUP_CYCLE;
    catchUp();
    child.setParent(&parent);
    refreshMix();
    return FMOD_OK;
}

FMOD_RESULT SoundSystem::releaseGroup(SoundChannelGroup& group) {
    if (&group == &getMaster())
        return FMOD_ERR_BAD_ARGUMENT;
    catchUp();
    while (!group.getChildren().empty())
        group.getChildren().front()->setParent(&getMaster());
    group.setParent(nullptr);
    for (auto& channel : channels)
        if (channel->isActive() && channel->getGroup() == &group)
            channel->setGroup(getMaster());
    SoundHandleTable::remove(group.getHandle());
    groups.erase(std::find_if(groups.begin(), groups.end(),
                              [&group](const auto& owned) { return owned.get() == &group; }));
    refreshMix();
    return FMOD_OK;
}

void SoundSystem::refreshMix() {
    for (auto& channel : channels)
        channel->applyMix();
}

FMOD_RESULT SoundSystem::createSound(const std::string& path, FMOD_MODE mode, bool stream,
                                     SoundData*& sound) {
    FMOD_RESULT result = SoundData::checkMode(mode);
    if (result != FMOD_OK)
        return result;
    makeCurrent();
    auto loaded = std::make_unique<SoundData>(stream);
    result = loaded->load(path, mode);
    if (result != FMOD_OK)
        return result;
    loaded->setHandle(SoundHandleTable::add(SoundHandleTable::Kind::Sound, loaded.get(), this));
    sound = loaded.get();
    sounds.push_back(std::move(loaded));
    return FMOD_OK;
}

void SoundSystem::releaseSound(SoundData& sound) {
    makeCurrent();
    for (auto& channel : channels)
        if (channel->getSound() == &sound)
            endChannel(*channel, true);
    SoundHandleTable::remove(sound.getHandle());
    sounds.erase(std::find_if(sounds.begin(), sounds.end(),
                              [&sound](const auto& owned) { return owned.get() == &sound; }));
}

SoundChannel* SoundSystem::chooseChannel(FMOD_CHANNELINDEX index) {
    if (index >= 0) {
        SoundChannel& chosen = *channels[static_cast<std::size_t>(index)];
        endChannel(chosen, true);
        return &chosen;
    }
    SoundChannel* oldest = nullptr;
    for (auto& channel : channels) {
        if (!channel->isActive())
            return channel.get();
        if (!oldest || channel->getStartOrder() < oldest->getStartOrder())
            oldest = channel.get();
    }
    endChannel(*oldest, true);
    return oldest;
}

FMOD_RESULT SoundSystem::play(FMOD_CHANNELINDEX index, SoundData& sound, bool paused,
                              SoundChannel*& channel) {
    if (index < FMOD_CHANNEL_FREE || index >= static_cast<int>(channels.size()))
        return FMOD_ERR_BAD_ARGUMENT;
    catchUp();
    // A stream has one decoder, so it plays on one channel at a time: a new play restarts it.
    if (sound.isStream())
        for (auto& playing : channels)
            if (playing->getSound() == &sound)
                endChannel(*playing, true);
    SoundChannel* chosen = chooseChannel(index);
    FMOD_RESULT result = chosen->start(sound, getMaster(), paused, ++playCounter);
    if (result != FMOD_OK)
        return result;
    channel = chosen;
    return FMOD_OK;
}

int SoundSystem::countPlaying() const {
    return static_cast<int>(
        std::count_if(channels.begin(), channels.end(), [](const auto& channel) {
            return channel->isActive() && !channel->hasPlayedOut();
        }));
}
