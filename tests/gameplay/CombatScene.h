#pragma once

#include "gameplay/BulletShooter.h"
#include "gameplay/DamageInflicter.h"
#include "gameplay/Damageable.h"
#include "gameplay/DamagedByWithExceptions.h"
#include "gameplay/ExplodeOnTimer.h"
#include "gameplay/FireBulletsOnTimer.h"
#include "physics/Circle.h"
#include "physics/Movable.h"
#include "physics/PhysicsManager.h"
#include "physics/StaticCollidable.h"
#include "support/TemplateFixture.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// Combat.xml loaded, combat types registered, and a scene whose physics runs after its updater.
class CombatScene : public TemplateFixture {
protected:
    static constexpr double step = 0.016;

    void SetUp() override {
        TemplateFixture::SetUp();
        registerTypes(*components, Movable(), StaticCollidable(), DamageInflicter(),
                      DamagedByWithExceptions(), ExplodeOnTimer(), FireBulletsOnTimer());
        loadDataFile("./Combat.xml");
        scene = std::make_unique<SceneManager>();
        physics.connect(scene.get());
        scene->addProcess(&physics);
    }
    void TearDown() override {
        physics.disconnect(scene.get());
        scene.reset();
        TemplateFixture::TearDown();
    }

    // A root entity at the position; with a radius, a circle collidable of that size.
    Entity* add(const std::string& name, const Vector2& position, std::vector<Component*> parts,
                double radius = 0.0) {
        if (radius > 0.0)
            parts.push_back(new StaticCollidable(Circle(Vector2(), radius)));
        SceneNode* node = Entity::create(name, parts);
        node->setPosition(position);
        scene->addNode(node);
        return node->getEntity();
    }
    void tick(int steps = 1) {
        for (int index = 0; index < steps; ++index)
            scene->updateProcess(step);
    }
    // Entities in the scene that deal damage of the kind (blasts, shells).
    int countDealing(DamageType type) const {
        int count = 0;
        for (Entity* entity : scene->getEntities())
            if (auto* inflicter =
                    entity->getComponent<DamageInflicter>(DamageInflicter::typeName()))
                count += inflicter->getDamageType() == type;
        return count;
    }
    static int hpOf(Entity* entity) {
        return entity->getComponent<Damageable>(Damageable::typeName())->getHP();
    }

    std::unique_ptr<SceneManager> scene;
    PhysicsManager physics;
};
