#pragma once

#include "physics/CollidableListener.h"

#include <map>
#include <string>

// Hears collisions on the menu items (typically the menu ping touching one) and asks for the
// screen the item names: a help screen or a story level.
class MenuListener : public CollidableListener {
public:
    void clearItems() { items.clear(); }
    void addItem(const std::string& entityName, unsigned storyIndex) {
        items[entityName] = storyIndex;
    }
    const std::map<std::string, unsigned>& getItems() const { return items; }

    void collisionStarted(const CollidableEventPtr& event) override;

private:
    std::map<std::string, unsigned> items;
};

extern MenuListener menuListener;
