#include "gameplay/BulletShooterActionEvent.h"

#include "core/EventFactory.h"
#include "core/ParamList.h"

#include <gtest/gtest.h>

#include <memory>

TEST(BulletShooterActionEvent, MadeByNameWithItsTimeFromTheParameters) {
    EventFactory factory;
    factory.registerType(BulletShooterActionEvent());
    ASSERT_TRUE(factory.isRegistered("BulletShooterAction"));

    ParamList params;
    params.set("time", "2.5");
    std::unique_ptr<FactoryEvent> event(factory.create("BulletShooterAction", params));
    EXPECT_EQ(event->getEventType(), 0x791);
    EXPECT_DOUBLE_EQ(event->getTime(), 2.5);

    std::unique_ptr<FactoryEvent> untimed(factory.create("BulletShooterAction", ParamList()));
    EXPECT_DOUBLE_EQ(untimed->getTime(), 0.0);
    std::unique_ptr<FactoryEvent> copy(event->clone(4.0));
    EXPECT_EQ(copy->getType(), "BulletShooterAction");
    EXPECT_DOUBLE_EQ(copy->getTime(), 4.0);
}
