#include "app/DataChecker.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {
const fs::path shippedData = fs::path(VANTORIX_SOURCE_DIR) / "data";

void replaceInFile(const fs::path& path, const std::string& from, const std::string& to) {
    std::string text = readTextFile(path);
    std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    writeTextFile(path, text.replace(at, from.size(), to));
}
} // namespace

TEST(DataCheckerTest, ShippedDataIsClean) {
    ScratchDirectory scratch;
    ScopedWorkingDirectory inScratch(scratch.path());
    std::ostringstream out;
    EXPECT_EQ(DataChecker(shippedData.string()).run(out), 0) << out.str();
}

TEST(DataCheckerTest, EachProblemInABrokenCopyIsReportedWithItsFileAndRow) {
    ScratchDirectory scratch;
    fs::path data = scratch.file("data");
    fs::copy(shippedData, data, fs::copy_options::recursive);
    replaceInFile(data / "templates/DriftRun.xml", "type=\"FollowingCamera\"",
                  "type=\"FolowingCamera\"");
    replaceInFile(data / "templates/Scene.xml", "scene=\"ControlHelpScreen\"",
                  "scene=\"ControlHelpScren\"");
    replaceInFile(data / "templates/AsteroidBelt.xml", "value=\"LevelClear\"",
                  "value=\"LevelClaer\"");
    // A 30x32 picture in place of the bolt's image; BMP keeps no alpha, so it is 24-bit as well.
    SDL_Surface* odd =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 30, 32, 32, 0xff, 0xff00, 0xff0000, 0xff000000);
    ASSERT_NE(odd, nullptr);
    ASSERT_EQ(SDL_SaveBMP(odd, (data / "images/Odd.bmp").c_str()), 0);
    SDL_FreeSurface(odd);
    replaceInFile(data / "templates/Arsenal.xml", "images/Bolt.png", "images/Odd.bmp");

    std::ostringstream out;
    EXPECT_EQ(DataChecker(data.string()).run(out), 5) << out.str();
    const std::string expected[] = {
        "templates/DriftRun.xml:10:5: Error: Loading EntityTemplate DriftCamera",
        "templates/AsteroidBelt.xml:251:7: Error: EventScript LevelClaer is not defined.",
        "templates/Scene.xml:25:5: Error: SceneTemplate ControlHelpScren is not defined.",
        "templates/Arsenal.xml:59:7: image images/Odd.bmp is not 32-bit.",
        "templates/Arsenal.xml:59:7: image images/Odd.bmp sides are not powers of two."};
    for (const std::string& line : expected)
        EXPECT_NE(out.str().find(line), std::string::npos) << line << "\n" << out.str();
}
