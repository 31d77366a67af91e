#pragma once

#include <cstdint>
#include <deque>
#include <string>

// Per-frame timing kept by the main loop and written to the log at exit. Only the most recent
// frames are kept, so a game left running for days does not grow without bound.
class FrameStats {
public:
    static constexpr std::size_t defaultCapacity = 60 * 60 * 63; // about an hour of frames

    explicit FrameStats(std::size_t capacity = defaultCapacity)
        : capacity(capacity ? capacity : 1) {}

    void addTimeDiff(std::int32_t value) { push(timeDiffs, value); }
    void addSleepTime(std::int32_t value) { push(sleepTimes, value); }
    void addOverTime(std::int32_t value) { push(overTimes, value); }
    void addEntityCount(std::uint32_t value) {
        push(entityCounts, value);
        ++framesSeen;
    }
    void clear();

    // Frames whose entity count was added, including those dropped from the window.
    std::uint64_t frameCount() const { return framesSeen; }
    std::size_t keptFrames() const { return entityCounts.size(); }
    // One line per kept frame: "timeDiff:a sleepTime:b overTime:c num entities: d".
    std::string report() const;

private:
    template <typename T> void push(std::deque<T>& sequence, T value) {
        sequence.push_back(value);
        if (sequence.size() > capacity)
            sequence.pop_front();
    }

    std::size_t capacity;
    std::deque<std::int32_t> timeDiffs, sleepTimes, overTimes;
    std::deque<std::uint32_t> entityCounts;
    std::uint64_t framesSeen = 0;
};
