#include "physics/MovableActionEvent.h"
#include "core/ParamList.h"
#include "core/myexception.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<MovableActionEvent> create(const ParamList& params) {
    return std::unique_ptr<MovableActionEvent>(
        static_cast<MovableActionEvent*>(MovableActionEvent().createNew(params)));
}

std::string creationError(const ParamList& params) {
    try {
        create(params);
    } catch (const myexception& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(MovableActionEvent, ReadsEveryActionNameAndOperands) {
    const char* names[] = {"SetVelocity",    "AddVelocity",           "ScaleVelocity",
                           "RotateVelocity", "SetRotationalVelocity", "ScaleRotationalVelocity",
                           "SetMass"};
    for (int index = 0; index < 7; ++index) {
        ParamList params;
        params.set("action", names[index]);
        EXPECT_EQ(index, create(params)->getAction()) << names[index];
    }
    ParamList params;
    params.set("action", "AddVelocity");
    params.set("vector", "(1,-2)");
    params.set("real", "0.5");
    params.set("time", "3");
    auto event = create(params);
    EXPECT_EQ(-2.0, event->getVector().y);
    EXPECT_EQ(0.5, event->getReal());
    EXPECT_EQ(3.0, event->getTime());
    EXPECT_EQ(7.0, std::unique_ptr<FactoryEvent>(event->clone(7.0))->getTime());
}

TEST(MovableActionEvent, MissingOrUnknownActionFailsCreation) {
    ParamList missing;
    EXPECT_EQ("MovableAction Could not find parameter 'action'", creationError(missing));
    ParamList lowerCase;
    lowerCase.set("action", "setVelocity");
    EXPECT_NE(std::string::npos,
              creationError(lowerCase).find("Unable to convert parameter 'action' to"));
}
