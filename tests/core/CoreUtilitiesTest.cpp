#include "core/LogManager.h"
#include "core/ParamList.h"
#include "core/Singleton.h"
#include "support/FontSupport.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

namespace {
class Gadget : public Singleton<Gadget> {};
} // namespace

TEST(ParamList, ConvertsFromTheLeadingTextAndKeepsTheTargetOnFailure) {
    ParamList params;
    for (const char* name : {"word", "true", "True"})
        params.set(name, name);
    params.set("count", " 42abc");
    int number = 7;
    EXPECT_EQ(ParamList::NotConvertible, params.get("word", number));
    EXPECT_EQ(ParamList::NotFound, params.get("missing", number));
    EXPECT_EQ(7, number);
    EXPECT_EQ(ParamList::Found, params.get("count", number));
    EXPECT_EQ(42, number);
    bool flags[2] = {false, true}; // only the lower-case word is true
    params.get("true", flags[0]);
    params.get("True", flags[1]);
    EXPECT_TRUE(flags[0] && !flags[1]);
    double speed = 0;
    EXPECT_EQ("Movable Could not find parameter 'mass'",
              thrownMessage([&] { params.getRequired("mass", speed, "Movable"); }));
    EXPECT_EQ("Unable to convert parameter 'word' to double",
              thrownMessage([&] { params.getRequired("word", speed, ""); }));
}

TEST(Singleton, SecondConstructionAndNullAccessRaise) {
    const std::string message = thrownMessage([] { Gadget::getSingleton(); });
    EXPECT_NE(std::string::npos, message.find("Error: attempt to dereference singleton"));
    Gadget first;
    EXPECT_EQ(
        0u, thrownMessage([] { Gadget second; }).find("Error: attempt to reconstruct singleton "));
}

// Subsystems keep the pointer openLog gave them; opening the name again must not free it.
TEST(LogManager, FiltersByLevelReopensByNameAndClosesWithAFinalLine) {
    {
        LogManager logs;
        LogFile* log = logs.openLog("CoreUtilitiesTestLog.txt", 1, false, false);
        log->write("hidden detail", 0);
        EXPECT_EQ(log, logs.openLog("CoreUtilitiesTestLog.txt", 0, false, true));
        log->write("after", 1);
    }
    const std::string text = readTextFile("CoreUtilitiesTestLog.txt");
    EXPECT_EQ(std::string::npos, text.find("hidden detail"));
    EXPECT_NE(std::string::npos, text.find(": after\n"));
    EXPECT_NE(std::string::npos, text.find(": Log File Closed.\n"));
    EXPECT_EQ(text.find("Log File Closed."), text.rfind("Log File Closed."));
}
