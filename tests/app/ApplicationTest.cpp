#include "support/ProgramRun.h"

#include <gtest/gtest.h>

namespace {
bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

TEST(Application, BadCommandLinesPrintUsageAndExit255BeforeCreatingAnything) {
    GameRun game;
    for (auto arguments : std::vector<std::vector<std::string>>{
             {"-width"}, {"-fs", "2"}, {"-colour", "red"}, {"-height", "tall"}}) {
        RunResult result = game.run(arguments);
        EXPECT_TRUE(result.exited);
        EXPECT_EQ(255, result.exitStatus);
        EXPECT_EQ("Usage: " + std::string(VANTORIX_BINARY) +
                      " [-width number] [-height number] [-depth number] [-fs 1/0]\n",
                  result.standardOutput);
    }
    EXPECT_EQ("", game.readFile("VantorixLog.txt"));
}

TEST(Application, StartsUpAndShutsDownInOrderWritingItsLogs) {
    GameRun game;
    RunOptions options;
    options.terminateAfterSeconds = 20;
    RunResult result = game.run({"-width", "640", "-height", "480"}, options);
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(0, result.exitStatus) << result.standardError;

    std::string mainLog = game.readFile("VantorixLog.txt");
    EXPECT_EQ(0u, mainLog.find("VantorixLog.txt: Logging file generated on "));
    EXPECT_TRUE(contains(mainLog, "Total run time: ")) << mainLog;
    EXPECT_TRUE(contains(result.standardOutput, "Total run time: "));

    std::string videoLog = game.readFile("VideoSystemLog.txt");
    EXPECT_TRUE(contains(videoLog, "Initialized video subsytem. Using video mode: Width: 640 "
                                   "Height: 480"))
        << videoLog;
    EXPECT_LT(videoLog.find("Initialized texture manager."),
              videoLog.find("Video subsytem shut down."));
    EXPECT_TRUE(contains(videoLog, "Log File Closed."));
}

TEST(Application, FailureToStartVideoIsReportedAndEndsInOrder) {
    GameRun game;
    RunOptions options;
    // A colour depth no X server offers makes the window impossible to open.
    RunResult result = game.run({"-width", "100000", "-height", "100000", "-fs", "1"}, options);
    if (result.exited && result.exitStatus == 0)
        GTEST_SKIP() << "this display accepted the mode";
    EXPECT_TRUE(result.exited) << "signal " << result.signal;
    EXPECT_NE(0, result.exitStatus);
    EXPECT_FALSE(result.standardError.empty())
        << "status " << result.exitStatus << " out: " << result.standardOutput
        << " log: " << game.readFile("VantorixLog.txt");
    EXPECT_TRUE(contains(game.readFile("VantorixLog.txt"), "Log File Closed."));
}
