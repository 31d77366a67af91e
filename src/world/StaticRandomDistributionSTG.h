#pragma once

#include "world/RandomSource.h"
#include "world/SceneTemplateGenerator.h"

#include <vector>

// Picks a scene template at random with fixed weights, or none with the weight "noSceneRate".
// Parameters: "seed"; "noSceneRate" (default 0); pairs "scene0"/"rate0", "scene1"/"rate1", ...
// of template name and weight (default 0), ending at the first index without a scene name.
// The templates are fetched when the component is made and loaded only when spawned.
class StaticRandomDistributionSTG : public SceneTemplateGenerator {
public:
    struct Entry {
        SceneTemplatePtr sceneTemplate;
        double weight = 0.0;
    };

    static const std::string& typeName();

    StaticRandomDistributionSTG() = default;
    StaticRandomDistributionSTG(std::vector<Entry> entries, double noSceneRate,
                                const RandomSource& random);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new StaticRandomDistributionSTG(*this); }

    // Restarts the random sequence on entering a scene.
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    SceneTemplatePtr generate() override;

    const std::vector<Entry>& getEntries() const { return entries; }
    double getNoSceneRate() const { return noSceneRate; }

private:
    StaticRandomDistributionSTG(const StaticRandomDistributionSTG& other) = default;

    std::vector<Entry> entries;
    double noSceneRate = 0.0;
    // noSceneRate plus every weight.
    double total = 0.0;
    RandomSource random;
};
