#pragma once

#include "core/Vector2.h"
#include "world/Component.h"
#include "world/EntityTemplate.h"

#include <string>

class ParamList;

// Removes its entity and puts an explosion, made from an entity template, in its place. Every
// member of the family also registers as "Explodable", so an entity holds at most one and
// others (ExplodeOnTimer) find it by that name. An entity explodes once: once its node is
// marked for deletion, further calls do nothing, however many reasons to explode arrive in the
// same step.
class Explodable : public Component {
public:
    static const std::string& typeName();
    static const std::string& roleName() { return typeName(); }

    // The template is looked up at once (fileHint may be empty) and loaded when first needed;
    // without an EntityTemplateManager there is none and the entity just disappears.
    explicit Explodable(const std::string& explosion = std::string(),
                        const std::string& fileHint = std::string(),
                        const Vector2& pos = Vector2(0.0, 0.0),
                        const Vector2& ori = Vector2(1.0, 0.0),
                        const Vector2& scl = Vector2(1.0, 1.0));
    Explodable(const Explodable& other);
    // "explosion" is required; "filename", "pos", "ori" and "scl" are optional.
    static Explodable* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new Explodable(*this); }
    bool isFilenameParam(const std::string& name) const override;
    bool attach(Entity* entity) override { return attachAs({getType(), roleName()}, entity); }

    // Kills the entity (it goes at the end of the scene's update) and creates the explosion
    // beside it: under the same parent at the node's local transform, or in the scene at its
    // world transform, shifted by pos (not turned), turned by ori and scaled by scl.
    virtual void explode();

    // True once the entity's node is marked for deletion, by an explosion or anything else.
    bool hasExploded() const;

protected:
    // What every member of the family reads from its parameters.
    struct Settings {
        std::string explosion;
        std::string fileHint;
        Vector2 pos{0.0, 0.0};
        Vector2 ori{1.0, 0.0};
        Vector2 scl{1.0, 1.0};
    };
    // "explosion" is required; "filename", "pos", "ori" and "scl" are optional.
    static Settings readSettings(const ParamList& params);
    explicit Explodable(const Settings& settings)
        : Explodable(settings.explosion, settings.fileHint, settings.pos, settings.ori,
                     settings.scl) {}

private:
    EntityTemplatePtr explosionTemplate;
    std::string explosion;
    std::string fileHint;
    Vector2 pos;
    Vector2 ori;
    Vector2 scl;
};
