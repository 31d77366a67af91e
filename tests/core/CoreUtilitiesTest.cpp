#include "core/LogManager.h"
#include "core/ParamList.h"
#include "core/Singleton.h"
#include "core/Vector2.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

namespace {
std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const myexception& error) {
        return error.what();
    }
    return "";
}

class Gadget : public Singleton<Gadget> {};
} // namespace

TEST(ParamList, ConvertsFromTheLeadingTextAndKeepsTheTargetOnFailure) {
    ParamList params;
    for (const char* name : {"count", "word", "true", "True", "one"})
        params.set(name, std::string(name) == "count" ? " 42abc" : name);
    params.set("one", "1");
    int number = 7;
    EXPECT_EQ(ParamList::NotConvertible, params.get("word", number));
    EXPECT_EQ(ParamList::NotFound, params.get("missing", number));
    EXPECT_EQ(7, number);
    EXPECT_EQ(ParamList::Found, params.get("count", number));
    EXPECT_EQ(42, number);
    // Only the lower-case word is true.
    bool flags[3] = {false, true, true};
    params.get("true", flags[0]);
    params.get("True", flags[1]);
    params.get("one", flags[2]);
    EXPECT_TRUE(flags[0]);
    EXPECT_FALSE(flags[1] || flags[2]);
}

TEST(ParamList, RequiredLookupsRaiseWithContextAndTypeName) {
    ParamList params;
    params.set("speed", "fast");
    double speed = 0;
    EXPECT_EQ("Movable Could not find parameter 'mass'",
              messageOf([&] { params.getRequired("mass", speed, "Movable"); }));
    EXPECT_EQ("Unable to convert parameter 'speed' to double",
              messageOf([&] { params.getRequired("speed", speed, ""); }));
    EXPECT_EQ("Could not find parameter 'x'", messageOf([&] { params.getTextStrict("x"); }));
    EXPECT_EQ("", params.getText("x"));
}

TEST(ParamList, ReadsVectorTextForm) {
    ParamList params;
    params.set("position", "(3,-4.5)");
    Vector2 position;
    EXPECT_EQ(ParamList::Found, params.get("position", position));
    EXPECT_DOUBLE_EQ(3.0, position.x);
    EXPECT_DOUBLE_EQ(-4.5, position.y);
}

TEST(Singleton, SecondConstructionAndNullAccessRaise) {
    EXPECT_NE(std::string::npos, messageOf([] {
                                     Gadget::getSingleton();
                                 }).find("Error: attempt to dereference singleton"));
    {
        Gadget first;
        std::string message = messageOf([] { Gadget second; });
        EXPECT_EQ(0u, message.find("Error: attempt to reconstruct singleton "));
        EXPECT_EQ('!', message.back());
    }
    EXPECT_EQ(nullptr, Gadget::getSingletonPtr());
}

// Subsystems keep the pointer openLog gave them; opening the name again must not free it.
TEST(LogManager, FiltersByLevelReopensByNameAndClosesWithAFinalLine) {
    {
        LogManager logs;
        LogFile* log = logs.openLog("CoreUtilitiesTestLog.txt", 1, false, false);
        log->write("hidden detail", 0);
        log->write("before", 1);
        EXPECT_EQ(log, logs.openLog("CoreUtilitiesTestLog.txt", 0, false, true));
        log->write("after", 1);
        logs.write("shown information", 1);
    }
    std::string text = readFile("CoreUtilitiesTestLog.txt");
    EXPECT_EQ(0u, text.find("CoreUtilitiesTestLog.txt: Logging file generated on "));
    EXPECT_EQ(std::string::npos, text.find("hidden detail"));
    for (const char* line : {": before\n", ": after\n", ": shown information\n"})
        EXPECT_NE(std::string::npos, text.find(line)) << line;
    EXPECT_NE(std::string::npos, text.find(": Log File Closed.\n"));
    EXPECT_EQ(text.find("Log File Closed."), text.rfind("Log File Closed."));
}
