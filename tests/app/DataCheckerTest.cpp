#include "app/DataChecker.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {
const fs::path shippedData = fs::path(VANTORIX_SOURCE_DIR) / "data";

// Broken elements added to a copy of the shipped data, so that they break nothing the content
// may change; each problem is found by a text inside the element it is reported at.
const char* const brokenFile = R"xml(<Broken>
  <AnimationSequence name="TestStrip" type="StripSequence" stripSize="4" quad="(0,0),(8,8)"
                     filename="images/TestStrip.png"><Frame index="0" length="1"/></AnimationSequence>
  <EntityTemplate name="BadCamera"><Component type="FolowingCamera"/></EntityTemplate>
  <EntityTemplate name="BadHealth">
    <Component type="Damageable"><Param name="totalHP" value="lots"/></Component></EntityTemplate>
  <EntityTemplate name="BadFiles">
    <Component type="EntityRemovalTrigger"><Param name="script" value="NoScript"/></Component>
    <Component type="StaticImage"><Param name="filename" value="images/Nowhere.png"/>
      <Param name="box" value="(0,0),(8,8)"/><Param name="texCoord" value="(0,0),(1,1)"/>
      <Param name="zOrder" value="1"/></Component></EntityTemplate>
  <EntityTemplate name="BadImage">
    <Component type="StaticImage"><Param name="filename" value="images/Odd.bmp"/>
      <Param name="box" value="(0,0),(8,8)"/><Param name="texCoord" value="(0,0),(1,1)"/>
      <Param name="zOrder" value="1"/></Component></EntityTemplate>
  <EntityTemplate name="BadSound">
    <Component type="MusicPlayer"><Param name="filename" value="music/Junk.ogg"/></Component>
  </EntityTemplate>
  <EntityTemplate name="BadFont">
    <Component type="StaticTextDisplay"><Param name="font" value="Junk.ttf"/>
      <Param name="textSize" value="16"/><Param name="zOrder" value="1"/>
      <Param name="text" value="x"/></Component></EntityTemplate>
  <EntityTemplate name="BadSprite">
    <Component type="Animatable"><Param name="zOrder" value="1"/>
      <Param name="sequence0" value="TestStrip"/><Param name="name0" value="None"/>
      <Param name="fps0" value="1"/><Param name="sequence1" value="NoStrip"/>
      <Param name="name1" value="Gone"/><Param name="fps1" value="1"/>
      <Param name="animation" value="Fram"/></Component>
    <Component type="PlayerStaticAnimationController"/></EntityTemplate>
  <SceneTemplate name="BadScene">
    <SceneNode><EntityTemplate template="NoTemplate" name="Ghost"/></SceneNode></SceneTemplate>
  <EventScript name="BadScript">
    <Event type="LevelActionEvent"><Param name="action" value="EndLevel"/></Event>
    <Event type="NoEvent"/>
    <Event type="AnimationAction" destination="Nobody"><Param name="action" value="SetAnimation"/>
      <Param name="name" value="Wobble"/></Event></EventScript>
</Broken>
)xml";

// "row:column" of the element whose start tag holds the first occurrence of marker.
std::string positionOf(const std::string& text, const std::string& marker) {
    std::size_t at = text.find(marker);
    if (at == std::string::npos)
        return "?";
    std::size_t lineStart = text.rfind('\n', at) + 1; // npos + 1 is 0
    std::size_t tag = text.rfind('<', at);
    int row = 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
    return std::to_string(row) + ":" + std::to_string(tag - lineStart + 1);
}

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
    writeTextFile(data / "templates/Broken.xml", brokenFile);
    replaceInFile(data / "templates/Scene.xml", "scene=\"ControlHelpScreen\"",
                  "scene=\"ControlHelpScren\"");
    fs::copy_file(fs::path(VANTORIX_SOURCE_DIR) / "tests/data/render/Strip4.png",
                  data / "images/TestStrip.png");
    writeTextFile(data / "music/Junk.ogg", "not a sound");
    writeTextFile(data / "Junk.ttf", "not a font");
    // A 30x32 picture; BMP keeps no alpha, so it is 24-bit as well.
    SDL_Surface* odd =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 30, 32, 32, 0xff, 0xff00, 0xff0000, 0xff000000);
    ASSERT_NE(odd, nullptr);
    ASSERT_EQ(SDL_SaveBMP(odd, (data / "images/Odd.bmp").c_str()), 0);
    SDL_FreeSurface(odd);

    const std::string scene = readTextFile(data / "templates/Scene.xml");
    const struct {
        const std::string& text;
        const char* file;
        const char* marker;
        const char* message;
    } cases[] = {
        {scene, "Scene.xml", "ControlHelpScren", "SceneTemplate ControlHelpScren is not defined."},
        {brokenFile, "Broken.xml", "FolowingCamera", "Error: Loading EntityTemplate BadCamera"},
        {brokenFile, "Broken.xml", "name=\"BadHealth\"", "convert parameter 'totalHP' to int"},
        {brokenFile, "Broken.xml", "NoScript", "Error: EventScript NoScript is not defined."},
        {brokenFile, "Broken.xml", "Nowhere.png", "file images/Nowhere.png not found in data."},
        {brokenFile, "Broken.xml", "Odd.bmp", "image images/Odd.bmp is not 32-bit."},
        {brokenFile, "Broken.xml", "Odd.bmp", "image images/Odd.bmp sides are not powers of two."},
        {brokenFile, "Broken.xml", "Junk.ogg", "sound music/Junk.ogg does not decode."},
        {brokenFile, "Broken.xml", "Junk.ttf", "font Junk.ttf does not load."},
        {brokenFile, "Broken.xml", "NoStrip", "Error: AnimationSequence NoStrip is not defined."},
        {brokenFile, "Broken.xml", "value=\"Fram\"",
         "animation Fram is not defined in EntityTemplate"},
        {brokenFile, "Broken.xml", "PlayerStaticAnimationController", "needs animation Flame,"},
        {brokenFile, "Broken.xml", "NoTemplate", "EntityTemplate NoTemplate is not defined."},
        {brokenFile, "Broken.xml", "NoEvent", "event NoEvent is not registered with factory."},
        {brokenFile, "Broken.xml", "Wobble", "animation Wobble is not defined for any Animatable."},
    };
    std::ostringstream out;
    EXPECT_EQ(DataChecker(data.string()).run(out), static_cast<int>(std::size(cases))) << out.str();
    for (const auto& problem : cases) {
        std::string where = "templates/" + std::string(problem.file) + ":" +
                            positionOf(problem.text, problem.marker) + ": ";
        std::istringstream lines(out.str());
        bool found = false;
        for (std::string line; std::getline(lines, line);)
            found |= line.find(where) != std::string::npos &&
                     line.find(problem.message) != std::string::npos;
        EXPECT_TRUE(found) << where << problem.message << "\n" << out.str();
    }
}
