#include "core/LogManager.h"
#include "core/ParamList.h"
#include "core/PointerValidator.h"
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

TEST(ParamList, ConvertsNumbersFromTheirLeadingDigitsOnly) {
    ParamList params;
    params.set("count", " 42abc");
    params.set("word", "abc");
    int count = 0;
    EXPECT_EQ(ParamList::Found, params.get("count", count));
    EXPECT_EQ(42, count);
    int word = 7;
    EXPECT_EQ(ParamList::NotConvertible, params.get("word", word));
    EXPECT_EQ(7, word);
    EXPECT_EQ(ParamList::NotFound, params.get("missing", word));
    EXPECT_EQ(7, word);
}

TEST(ParamList, BoolIsTrueOnlyForLowerCaseTrue) {
    ParamList params;
    params.set("a", "true");
    params.set("b", "True");
    params.set("c", "1");
    bool a = false, b = true, c = true;
    params.get("a", a);
    params.get("b", b);
    params.get("c", c);
    EXPECT_TRUE(a);
    EXPECT_FALSE(b);
    EXPECT_FALSE(c);
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
        EXPECT_EQ(&first, &Gadget::getSingleton());
        std::string message = messageOf([] { Gadget second; });
        EXPECT_EQ(0u, message.find("Error: attempt to reconstruct singleton "));
        EXPECT_EQ('!', message.back());
    }
    EXPECT_EQ(nullptr, Gadget::getSingletonPtr());
}

TEST(PointerValidator, AnswersForLiveAddressesOnly) {
    int a = 0, b = 0;
    PointerValidator<int>::add(&a);
    EXPECT_TRUE(PointerValidator<int>::isValid(&a));
    EXPECT_FALSE(PointerValidator<int>::isValid(&b));
    PointerValidator<int>::remove(&a);
    EXPECT_FALSE(PointerValidator<int>::isValid(&a));
}

TEST(LogManager, FiltersByLevelAndClosesWithAFinalLine) {
    {
        LogManager logs;
        LogFile* log = logs.openLog("CoreUtilitiesTestLog.txt", 1, false, true);
        log->write("hidden detail", 0);
        logs.write("shown information", 1);
    }
    std::string text = readFile("CoreUtilitiesTestLog.txt");
    EXPECT_EQ(0u, text.find("CoreUtilitiesTestLog.txt: Logging file generated on "));
    EXPECT_EQ(std::string::npos, text.find("hidden detail"));
    EXPECT_NE(std::string::npos, text.find(": shown information\n"));
    EXPECT_NE(std::string::npos, text.find(": Log File Closed.\n"));
}
