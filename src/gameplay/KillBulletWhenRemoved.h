#pragma once

#include "world/Component.h"

// Removes the last bullet of its entity's gun when the entity leaves its scene: for beams that
// must not outlive the ship that holds them.
class KillBulletWhenRemoved : public Component {
public:
    static const std::string& typeName();

    const std::string& getType() const override { return typeName(); }
    // Takes no parameters.
    Component* createNew(const ParamList&) const override { return new KillBulletWhenRemoved(); }
    Component* clone() const override { return new KillBulletWhenRemoved(); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
};
