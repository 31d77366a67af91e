#pragma once

#include <cstddef>
#include <string>

class SceneManager;

// What a long run of a level checks after every step: every entity's position, orientation,
// scale and velocity are finite, and the numbers of entities, of the scene's processes and of
// the events waiting in the scene's and its entities' queues stay under fixed ceilings, far
// above what any level needs, so that a leak of any of them shows within a simulated minute.
class SoakMonitor {
public:
    struct Counts {
        std::size_t entities = 0;
        std::size_t processes = 0;
        std::size_t queuedEvents = 0;
    };

    explicit SoakMonitor(const Counts& ceilings);

    // Empty when the scene is in order; otherwise what is wrong, naming the entity. Keeps the
    // largest counts seen.
    std::string inspect(const SceneManager& scene);
    const Counts& getPeaks() const { return peaks; }

private:
    Counts ceilings;
    Counts peaks;
};
