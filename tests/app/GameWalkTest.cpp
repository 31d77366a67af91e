#include "support/GameSession.h"

#include <gtest/gtest.h>

#include <csignal>

// A player's walk through the real game on its own X server: screens are told apart by the
// pixels of Print Screen shots of the 800 x 600 window (world (x, y) is pixel (400 + x, 300 - y)).
namespace {
using Shot = GameSession::Shot;

// Colours: white text; gold help titles and pause text; the status line's pale blue labels.
const auto white = [](int r, int g, int b) { return r > 220 && g > 220 && b > 220; };
const auto gold = [](int r, int g, int b) { return r > 200 && g > 160 && g < 240 && b < 130; };
const auto paleBlue = [](int r, int g, int b) { return r > 110 && r < 190 && g > 170 && b > 230; };

// A line of text leaves hundreds of pixels in its band; stars leave a few.
bool textIn(const Shot& shot, int y0, int y1, bool (*colour)(int, int, int), int x0 = 0,
            int x1 = 800) {
    return shot.count(x0, y0, x1, y1, colour) > 150;
}
// The menu's title stands between the corners where a level shows its score and clock.
const auto title = [](const Shot& s) { return textIn(s, 15, 60, white, 150, 650); };
const auto menu = [](const Shot& s) { return title(s) && textIn(s, 108, 132, white); };
const auto controlHelp = [](const Shot& s) { return textIn(s, 25, 75, gold, 250, 550); };
const auto level = [](const Shot& s) { return s.count(0, 0, 80, 25, paleBlue) > 40 && !title(s); };
const auto paused = [](const Shot& s) { return level(s) && textIn(s, 270, 330, gold, 250, 550); };
const auto results = [](const Shot& s) {
    return textIn(s, 100, 160, white) && textIn(s, 425, 475, white) && !level(s);
};
const auto contains = [](const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
};

TEST(GameWalk, MenuHelpLevelPauseResultsAndQuit) {
    GameSession game;
    ASSERT_TRUE(game.started());

    Shot shot = game.shotUntil(menu);
    ASSERT_TRUE(menu(shot)) << "no menu";
    // One item per story level of the session's list (two), 30 units apart from y = 100 down.
    EXPECT_TRUE(textIn(shot, 190, 212, white));
    EXPECT_TRUE(textIn(shot, 220, 242, white));
    EXPECT_FALSE(textIn(shot, 250, 272, white));

    game.click(400, 120); // "Control Help"
    ASSERT_TRUE(controlHelp(game.shotUntil(controlHelp))) << "no control help";
    game.key("Escape");
    ASSERT_TRUE(menu(game.shotUntil(menu))) << "Escape did not return to the menu";
    EXPECT_TRUE(contains(game.readFile("stdout.txt"), "click position: (0,180)\n"));

    game.click(400, 200); // the shipped first level
    ASSERT_TRUE(level(game.shotUntil(level))) << "the level did not start";
    game.key("p");
    Shot first = game.shotUntil(paused);
    ASSERT_TRUE(paused(first)) << "no pause text";
    Shot second = game.shot();
    EXPECT_TRUE(first.rgb == second.rgb) << "the paused level still moves";
    game.key("p");
    Shot resumed = game.shotUntil([](const Shot& s) { return level(s) && !paused(s); });
    EXPECT_FALSE(paused(resumed)) << "the pause text stayed";
    EXPECT_FALSE(resumed.rgb == game.shot().rgb) << "the resumed level stands still";

    game.key("Escape");
    ASSERT_TRUE(menu(game.shotUntil(menu)));
    game.click(400, 230); // "Short Run", which ends by its script after 3 s
    ASSERT_TRUE(level(game.shotUntil(level)));
    ASSERT_TRUE(results(game.shotUntil(results))) << "no results screen";
    game.key("Return"); // past the last level: the menu
    ASSERT_TRUE(menu(game.shotUntil(menu)));

    game.key("Escape");
    EXPECT_EQ(0, game.end(0));
    EXPECT_TRUE(contains(game.readFile("VantorixLog.txt"), "Total run time: "));
    for (const char* log :
         {"VantorixLog.txt", "XmlSystemLogFile.txt", "VideoSystemLog.txt", "AudioSystemLog.txt"})
        EXPECT_FALSE(contains(game.readFile(log), "Error")) << log << ":\n" << game.readFile(log);
}

TEST(GameWalk, TerminatingDuringALevelShutsDownInOrder) {
    GameSession game;
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(menu(game.shotUntil(menu)));
    game.click(400, 200);
    ASSERT_TRUE(level(game.shotUntil(level)));
    EXPECT_EQ(0, game.end(SIGTERM));
    EXPECT_TRUE(contains(game.readFile("VantorixLog.txt"), "Total run time: "));
    EXPECT_TRUE(contains(game.readFile("VideoSystemLog.txt"), "Video subsytem shut down."));
}
} // namespace
