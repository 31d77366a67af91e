#include "support/ProgramRun.h"

#include <gtest/gtest.h>

TEST(Application, BadCommandLinesPrintUsageAndExit255BeforeCreatingAnything) {
    GameRun game;
    for (const char* arguments :
         {"-width", "-fs 2", "-fs true", "-Width 640", "-height tall", "-height -5", "640"}) {
        EXPECT_EQ(255, game.run(arguments)) << arguments;
        EXPECT_EQ("Usage: " VANTORIX_BINARY
                  " [-width number] [-height number] [-depth number] [-fs 1/0]\n",
                  game.readFile("stdout.txt"))
            << arguments;
    }
    EXPECT_EQ("", game.readFile("VantorixLog.txt"));
}

TEST(Application, FailureToStartVideoIsReportedAndEndsInOrder) {
    GameRun game;
    // A mode no X server offers makes the window impossible to open.
    int status = game.run("-width 100000 -height 100000 -fs 1", 20);
    if (status == 0)
        GTEST_SKIP() << "this display accepted the mode";
    EXPECT_TRUE(status > 0 && status < 128) << status;
    EXPECT_NE("", game.readFile("stderr.txt")) << game.readFile("VantorixLog.txt");
    EXPECT_NE(std::string::npos, game.readFile("VantorixLog.txt").find("Log File Closed."));
}
