#include "app/InputTimeline.h"

#include <gtest/gtest.h>

#include <SDL/SDL_keysym.h>

#include <sstream>

namespace {
using Button = InputAction::Button;
}

TEST(InputTimelineTest, EachLineGivesItsActionOrTheReasonItWasSkipped) {
    const struct {
        const char* line;
        std::vector<InputAction> atStepSeven;
        const char* problem; // part of the reason, null when the line is good
    } cases[] = {
        {"7 down lctrl", {InputAction::keyDown(SDLK_LCTRL)}, nullptr},
        {"  7\tup w  \r", {InputAction::keyUp(SDLK_w)}, nullptr},
        {"7 click 0 65535", {InputAction::click(0, 65535)}, nullptr},
        {"7 click 320 12 right", {InputAction::click(320, 12, Button::Right)}, nullptr},
        {"  # 7 down w", {}, nullptr},
        {"0 down w", {}, "step number from 1"},
        {"4294967296 down w", {}, "step number from 1"},
        {"down w", {}, "step number from 1"},
        {"7x down w", {}, "unknown action \"x\""},
        {"7 press w", {}, "unknown action \"press\""},
        {"7 down", {}, "one key name"},
        {"7 down W", {}, "one key name"},
        {"7 down w a", {}, "one key name"},
        {"7 click 10", {}, "click x y"},
        {"7 click -1 5", {}, "click x y"},
        {"7 click 1 65536", {}, "click x y"},
        {"7 click 1 2 middle", {}, "click x y"},
    };
    for (const auto& test : cases) {
        std::istringstream text(std::string("\n") + test.line);
        std::vector<std::string> problems;
        InputTimeline timeline = InputTimeline::read(text, problems);
        EXPECT_EQ(timeline.at(7), test.atStepSeven) << test.line;
        if (!test.problem) {
            EXPECT_TRUE(problems.empty()) << test.line << ": " << problems.front();
        } else {
            ASSERT_EQ(problems.size(), 1u) << test.line;
            EXPECT_EQ(problems[0].rfind("line 2: ", 0), 0u) << problems[0];
            EXPECT_NE(problems[0].find(test.problem), std::string::npos) << problems[0];
        }
    }
}

TEST(InputTimelineTest, ActionsOfAStepKeepTheOrderOfTheirLinesWhereverTheyStand) {
    std::istringstream text("9 up w\n3 down w\n9 click 4 5\n9 down a\n");
    std::vector<std::string> problems;
    InputTimeline timeline = InputTimeline::read(text, problems);
    EXPECT_EQ(timeline.at(9),
              (std::vector<InputAction>{InputAction::keyUp(SDLK_w), InputAction::click(4, 5),
                                        InputAction::keyDown(SDLK_a)}));
    EXPECT_EQ(timeline.at(3), std::vector<InputAction>{InputAction::keyDown(SDLK_w)});
    EXPECT_TRUE(timeline.at(4).empty());
}
