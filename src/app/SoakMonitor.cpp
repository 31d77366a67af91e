#include "app/SoakMonitor.h"

#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

bool finite(const Vector2& vector) {
    return std::isfinite(vector.x) && std::isfinite(vector.y);
}

// The first of the entity's vectors that is not finite, described, or empty.
std::string firstNonFinite(const Entity& entity) {
    std::ostringstream found;
    auto check = [&found](const char* what, const Vector2& vector) {
        if (found.tellp() == 0 && !finite(vector))
            found << what << ' ' << vector;
    };
    if (const SceneNode* node = entity.getNode()) {
        check("position", node->getPosition());
        check("orientation", node->getOrientation());
        check("scale", node->getScale());
        check("world position", node->getWorldPosition());
    }
    if (const auto* movable = entity.getComponent<Movable>(Movable::typeName()))
        check("velocity", movable->getVelocity());
    return found.str();
}

std::string quoted(const std::string& name) {
    std::string shown;
    // Generated names start with an unprintable byte.
    for (unsigned char c : name) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
        shown += std::isprint(c) ? std::string(1, static_cast<char>(c)) : std::string(escaped);
    }
    return "\"" + shown + "\"";
}

} // namespace

SoakMonitor::SoakMonitor(const Counts& ceilings) : ceilings(ceilings) {}

std::string SoakMonitor::inspect(const SceneManager& scene) {
    Counts now;
    now.entities = scene.getEntities().size();
    now.processes = scene.processCount();
    now.queuedEvents = scene.queuedEventCount();
    for (const Entity* entity : scene.getEntities()) {
        now.queuedEvents += entity->queuedEventCount();
        std::string bad = firstNonFinite(*entity);
        if (!bad.empty())
            return "entity " + quoted(entity->getName()) + " has " + bad;
    }
    peaks.entities = std::max(peaks.entities, now.entities);
    peaks.processes = std::max(peaks.processes, now.processes);
    peaks.queuedEvents = std::max(peaks.queuedEvents, now.queuedEvents);
    auto over = [](const char* what, std::size_t count, std::size_t ceiling) {
        return count > ceiling ? std::string(what) + " " + std::to_string(count) +
                                     " above the ceiling of " + std::to_string(ceiling)
                               : std::string();
    };
    std::string failure = over("entities", now.entities, ceilings.entities);
    if (failure.empty())
        failure = over("processes", now.processes, ceilings.processes);
    if (failure.empty())
        failure = over("queued events", now.queuedEvents, ceilings.queuedEvents);
    return failure;
}
