#include "gameplay/TargetableGroupRegistry.h"

#include "gameplay/TargetableGroup.h"
#include "world/SceneNode.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

typedef std::map<std::string, std::vector<TargetableGroup*>> Groups;

std::map<SceneManager*, Groups>& scenes() {
    static std::map<SceneManager*, Groups> all;
    return all;
}

const std::vector<TargetableGroup*>* membersOf(SceneManager* scene, const std::string& group) {
    auto inScene = scenes().find(scene);
    if (inScene == scenes().end())
        return nullptr;
    auto members = inScene->second.find(group);
    return members == inScene->second.end() ? nullptr : &members->second;
}

} // namespace

void TargetableGroupRegistry::add(SceneManager* scene, const std::string& group,
                                  TargetableGroup* member) {
    std::vector<TargetableGroup*>& members = scenes()[scene][group];
    if (std::find(members.begin(), members.end(), member) == members.end())
        members.push_back(member);
}

void TargetableGroupRegistry::remove(SceneManager* scene, const std::string& group,
                                     TargetableGroup* member) {
    auto inScene = scenes().find(scene);
    if (inScene == scenes().end())
        return;
    auto named = inScene->second.find(group);
    if (named == inScene->second.end())
        return;
    std::vector<TargetableGroup*>& members = named->second;
    members.erase(std::remove(members.begin(), members.end(), member), members.end());
    if (members.empty())
        inScene->second.erase(named);
    if (inScene->second.empty())
        scenes().erase(inScene);
}

TargetableGroup* TargetableGroupRegistry::nearest(SceneManager* scene, const std::string& group,
                                                  const Vector2& position) {
    const std::vector<TargetableGroup*>* members = membersOf(scene, group);
    if (!members)
        return nullptr;
    TargetableGroup* best = nullptr;
    double bestDistance = 0.0;
    for (TargetableGroup* member : *members) {
        SceneNode* node = member->getNode();
        if (!node)
            continue;
        const double distance = (node->getWorldPosition() - position).lengthSquared();
        if (!best || distance < bestDistance) {
            best = member;
            bestDistance = distance;
        }
    }
    return best;
}

std::size_t TargetableGroupRegistry::memberCount(SceneManager* scene, const std::string& group) {
    const std::vector<TargetableGroup*>* members = membersOf(scene, group);
    return members ? members->size() : 0;
}

std::size_t TargetableGroupRegistry::sceneCount() {
    return scenes().size();
}
