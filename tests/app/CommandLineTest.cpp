#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
bool parse(std::vector<const char*> words, VideoMode& settings) {
    words.insert(words.begin(), "vantorix");
    return parseCommandLine(static_cast<int>(words.size()), words.data(), settings);
}
} // namespace

TEST(CommandLine, ReadsPairsAndLaterRepetitionsWin) {
    VideoMode settings = defaultVideoMode();
    ASSERT_TRUE(parse({"-width", "640", "-fs", "1", "-width", "800", "-depth", "16"}, settings));
    EXPECT_EQ(800u, settings.width);
    EXPECT_EQ(16u, settings.bitDepth);
    EXPECT_TRUE(settings.fullScreen);
}
