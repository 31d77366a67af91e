#include "app/WorldHash.h"

#include "gameplay/Damageable.h"
#include "gameplay/PlayerScore.h"
#include "physics/Movable.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t fnvPrime = 1099511628211ull;
// Past this a quantised number no longer fits 64 bits.
constexpr double largestQuantised = 9.0e12;

void appendNumber(std::string& record, std::int64_t number) {
    for (int shift = 0; shift < 64; shift += 8)
        record.push_back(static_cast<char>((static_cast<std::uint64_t>(number) >> shift) & 0xff));
}

void appendVector(std::string& record, const Vector2& vector) {
    appendNumber(record, WorldHash::quantise(vector.x));
    appendNumber(record, WorldHash::quantise(vector.y));
}

// The bytes one entity contributes. The name leads and ends in a zero byte, so that sorting the
// records sorts by name first; entities of one name fall in the order of their state. A letter
// before each field tells a missing component from a present one.
std::string recordOf(const Entity& entity) {
    std::string record = entity.getName();
    record.push_back('\0');
    if (SceneNode* node = entity.getNode()) {
        record.push_back('n');
        appendVector(record, node->getWorldPosition());
        appendVector(record, node->getWorldOrientation());
    }
    if (auto* movable = entity.getComponent<Movable>(Movable::typeName())) {
        record.push_back('m');
        appendVector(record, movable->getVelocity());
    }
    if (auto* damageable = entity.getComponent<Damageable>(Damageable::typeName())) {
        record.push_back('d');
        appendNumber(record, damageable->getHP());
    }
    if (auto* score = entity.getComponent<PlayerScore>(PlayerScore::typeName())) {
        record.push_back('s');
        appendNumber(record, score->getScore());
    }
    return record;
}

} // namespace

std::uint64_t WorldHash::of(const SceneManager& scene) {
    std::vector<std::string> records;
    for (const Entity* entity : scene.getEntities())
        records.push_back(recordOf(*entity));
    std::sort(records.begin(), records.end());
    WorldHash hash;
    for (const std::string& record : records) {
        // Each record's length first, so that two records cannot read as one.
        std::string length;
        appendNumber(length, static_cast<std::int64_t>(record.size()));
        hash.add(length);
        hash.add(record);
    }
    return hash.value();
}

std::int64_t WorldHash::quantise(double number) {
    if (std::isnan(number))
        return std::numeric_limits<std::int64_t>::min();
    if (number > largestQuantised)
        return std::numeric_limits<std::int64_t>::max();
    if (number < -largestQuantised)
        return std::numeric_limits<std::int64_t>::min() + 1;
    return std::llround(number * 1e6);
}

void WorldHash::add(std::string_view bytes) {
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= fnvPrime;
    }
}
