#include "app/MenuListener.h"

#include "app/GameGlobals.h"
#include "world/Entity.h"

MenuListener menuListener;

void MenuListener::collisionStarted(const CollidableEventPtr& event) {
    // The menu keeps running unseen under a help screen; a click there must not pick an item.
    if (gameMode != State::MainMenu)
        return;
    Entity* first = event->getFirst();
    Entity* second = event->getSecond();
    auto named = [&](const char* name) {
        return (first && first->getName() == name) || (second && second->getName() == name);
    };
    if (named("Controls")) {
        nextGameMode = State::ControlHelp;
        screenChangeRequested = true;
        return;
    }
    if (named("PowerUps")) {
        nextGameMode = State::PowerUpHelp;
        screenChangeRequested = true;
        return;
    }
    auto found = first ? items.find(first->getName()) : items.end();
    if (found == items.end() && second)
        found = items.find(second->getName());
    if (found == items.end())
        return;
    currentStoryLevel = found->second;
    nextGameMode = State::StoryLevel;
    screenChangeRequested = true;
}
