#pragma once

#include "world/Component.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

#include <functional>
#include <string>
#include <vector>

// Journals each notification as e.g. "A entityChanged +" or "A managerChanged -" (the scene
// went). Each tag is its own type: RecordingComponent<1> and <2> may share an entity.
template <int Tag> class RecordingComponent : public Component {
public:
    explicit RecordingComponent(std::vector<std::string>* journal = nullptr, std::string label = "")
        : journal(journal), label(std::move(label)) {}
    ~RecordingComponent() override {
        if (onDestroy)
            onDestroy();
    }

    static const std::string& typeName() {
        static const std::string name = "Recording" + std::to_string(Tag);
        return name;
    }
    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList&) const override { return new RecordingComponent(); }
    Component* clone() const override { return new RecordingComponent(*this); }

    void entityChanged(Entity* newEntity, Entity*) override {
        record("entityChanged", newEntity != nullptr);
    }
    void managerChanged(SceneManager* newManager, SceneManager*) override {
        record("managerChanged", newManager != nullptr);
    }

    std::function<void()> onDestroy;

private:
    void record(const std::string& what, bool arrived) {
        if (journal)
            journal->push_back(label + " " + what + (arrived ? " +" : " -"));
    }

    std::vector<std::string>* journal;
    std::string label;
};
