#include "world/StaticRandomDistributionSTG.h"

#include "core/ParamList.h"
#include "world/SceneTemplateManager.h"

#include <string>

const std::string& StaticRandomDistributionSTG::typeName() {
    static const std::string name = "StaticRandomDistributionSTG";
    return name;
}

StaticRandomDistributionSTG::StaticRandomDistributionSTG(std::vector<Entry> entries,
                                                         double noSceneRate,
                                                         const RandomSource& random)
    : entries(std::move(entries)), noSceneRate(noSceneRate), total(noSceneRate), random(random) {
    for (const Entry& entry : this->entries)
        total += entry.weight;
}

Component* StaticRandomDistributionSTG::createNew(const ParamList& params) const {
    double noSceneRate = 0.0;
    params.get("noSceneRate", noSceneRate);
    std::vector<Entry> entries;
    for (std::size_t index = 0;; ++index) {
        const std::string& name = params.getText("scene" + std::to_string(index));
        if (name.empty())
            break;
        Entry entry;
        entry.sceneTemplate = SceneTemplateManager::getSingleton().getTemplate(name, "");
        params.get("rate" + std::to_string(index), entry.weight);
        entries.push_back(entry);
    }
    return new StaticRandomDistributionSTG(std::move(entries), noSceneRate,
                                           RandomSource::fromParams(params));
}

void StaticRandomDistributionSTG::managerChanged(SceneManager* newManager, SceneManager*) {
    if (newManager)
        random.restart();
}

SceneTemplatePtr StaticRandomDistributionSTG::generate() {
    if (entries.empty())
        return SceneTemplatePtr();
    // The draw lands in [0, total): its first noSceneRate spawns nothing, then each entry
    // takes a stretch as long as its weight.
    double remaining = random.draw() * total - noSceneRate;
    if (remaining <= 0.0)
        return SceneTemplatePtr();
    for (const Entry& entry : entries) {
        remaining -= entry.weight;
        if (remaining <= 0.0)
            return entry.sceneTemplate;
    }
    // Rounding can leave a sliver past the last entry.
    return SceneTemplatePtr();
}
