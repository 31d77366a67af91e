#include "app/TypeRegistry.h"
#include "core/EventFactory.h"
#include "core/ParamList.h"
#include "world/ComponentFactory.h"

#include <gtest/gtest.h>

#include <memory>

// Templates copy their prototypes: a copy of another class (a derived type cloning as its base)
// would turn every entity made from data into the wrong thing.
TEST(TypeRegistry, EveryRegisteredPrototypeCopiesAsItsOwnType) {
    EventFactory events;
    registerEventTypes(events);
    ComponentFactory components;
    registerComponentTypes(components);
    EXPECT_FALSE(events.registeredNames().empty());
    EXPECT_FALSE(components.registeredNames().empty());
    for (const std::string& name : events.registeredNames())
        EXPECT_EQ(name,
                  std::unique_ptr<FactoryEvent>(events.prototype(name)->clone(1.0))->getType());
    for (const std::string& name : components.registeredNames())
        EXPECT_EQ(name, std::unique_ptr<Component>(components.prototype(name)->clone())->getType());
    EXPECT_FALSE(components.isRegistered("movable"));
}

TEST(TypeRegistry, NamesAreCaseSensitiveAndUnknownNamesRaise) {
    EventFactory factory;
    registerEventTypes(factory);
    ParamList params;
    try {
        factory.create("movableaction", params);
        FAIL();
    } catch (const myexception& error) {
        EXPECT_STREQ("Unregistered factory type movableaction.", error.what());
    }
    params.set("action", "SetMass");
    params.set("time", "2.5");
    std::unique_ptr<FactoryEvent> event(factory.create("MovableAction", params));
    EXPECT_EQ("MovableAction", event->getType());
    EXPECT_DOUBLE_EQ(2.5, event->getTime());
}
