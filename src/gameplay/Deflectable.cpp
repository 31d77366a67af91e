#include "gameplay/Deflectable.h"

#include "core/ParamList.h"
#include "core/myexception.h"
#include "physics/CheckCollidableActionEvent.h"
#include "physics/Collidable.h"
#include "world/SceneManager.h"

#include <cmath>
#include <limits>

const std::string& Deflectable::typeName() {
    static const std::string type = "Deflectable";
    return type;
}

Deflectable* Deflectable::fromParams(const ParamList& params) {
    std::string name;
    params.getRequired("reaction", name, typeName());
    if (name == "Deflect")
        return new Deflectable(Reaction::Deflect);
    if (name == "Stop")
        return new Deflectable(Reaction::Stop);
    if (name == "Kill")
        return new Deflectable(Reaction::Kill);
    throw myexception("invalid param for reaction.");
}

void Deflectable::managerChanged(SceneManager*, SceneManager*) {
    // A re-test waits in the old scene's queue; the time stamps of another scene mean nothing.
    recheckScene = nullptr;
}

void Deflectable::queueRecheck(SceneManager& scene) {
    auto* collidable = getSibling<Collidable>(Collidable::roleName());
    if (!collidable)
        return;
    const double now = scene.getTotalTime();
    if (recheckScene == &scene && now < recheckDue)
        return;
    // Stamped just after now rather than at now: a re-test that pushes the entity into another
    // obstacle would otherwise queue the next one into the queue run under way, and an entity
    // wedged between two obstacles would be pushed back and forth without end inside one update.
    recheckDue = std::nextafter(now, std::numeric_limits<double>::infinity());
    recheckScene = &scene;
    scene.queueEvent(EventPtr(new CheckCollidableActionEvent(collidable, recheckDue)));
}
