#pragma once

#include "gameplay/OwnCollisionListener.h"
#include "world/EventScript.h"

// Starts a new run of its event script in its scene each time a ping starts to touch its entity;
// runs already going on carry on. Parameters: "script" (required) and "file" (file hint). The
// script is fetched and loaded when the component is made and shared by its copies; one that
// failed to load starts nothing.
class FireScriptOnPing : public OwnCollisionListener {
public:
    static const std::string& typeName();

    FireScriptOnPing() = default;
    explicit FireScriptOnPing(const EventScriptPtr& script) : script(script) {}

    const std::string& getType() const override { return typeName(); }
    // Raises "FireScriptOnPing Could not find parameter 'script'" without a script name.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new FireScriptOnPing(*this); }

    void collisionStarted(const CollidableEventPtr& event) override;

    const EventScriptPtr& getScript() const { return script; }

private:
    EventScriptPtr script;
};
