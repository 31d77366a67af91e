#include "world/XmlFileManager.h"

#include "core/LogManager.h"
#include "support/ScratchDirectory.h"
#include "world/XmlElementLookup.h"
#include "world/XmlReading.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Each test works in a copy of tests/data/xml, which holds ./data/, ./first/ and ./second/, so
// the default search directories "./" and "./data/" mean something.
class XmlFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(VANTORIX_TEST_DATA_DIR "/xml", scratch.path(), fs::copy_options::recursive);
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        logs = std::make_unique<LogManager>();
        manager = std::make_unique<XmlFileManager>();
        manager->registerElementType("EntityTemplate");
        manager->registerElementType("SceneTemplate");
    }
    void TearDown() override {
        manager.reset();
        logs.reset();
        inScratch.reset();
    }

    XmlFilePtr load(const std::string& path) {
        XmlFilePtr file = manager->getFile(path);
        file->load();
        return file;
    }
    std::string log() const { return readTextFile(scratch.file(xmlLogName)); }
    int countInLog(const std::string& text) const {
        std::string all = log();
        int count = 0;
        for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++count;
        return count;
    }
    // The lock is recursive, so only another thread can tell whether it is held.
    static bool lockableElsewhere(Resource& resource) {
        bool locked = false;
        std::thread([&] {
            locked = resource.getMutex().try_lock();
            if (locked)
                resource.getMutex().unlock();
        }).join();
        return locked;
    }
    static std::string attribute(const TiXmlElement* element, const char* name) {
        const char* value = element ? element->Attribute(name) : nullptr;
        return value ? value : "(none)";
    }

    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<LogManager> logs;
    std::unique_ptr<XmlFileManager> manager;
};

// A resource that only stands for an element's name in lookups.
struct Content : Resource {
    explicit Content(const std::string& name) : Resource(name, 1, nullptr) {}
    void loadImpl() override {}
    void unloadImpl() override {}
};

const std::string mainPrefix = "Error: Loading XmlFile ./Main.xml, at row ";

} // namespace

TEST_F(XmlFileTest, SearchDirectoriesGetASlashAndDuplicatesAreReportedOnce) {
    XmlFilePtr file = load("./Main.xml");
    EXPECT_FALSE(file->loadFailed());
    std::vector<std::string> expected{"./", "./data/", "first/", "second/"};
    EXPECT_EQ(expected, file->getSearchDirectories());
    EXPECT_EQ(1, countInLog(mainPrefix +
                            "4 and column 3: duplicate path attribute first/ of SearchDirectory."));
    EXPECT_EQ(
        1, countInLog(mainPrefix + "5 and column 3: path attribute missing from SearchDirectory."));
}

TEST_F(XmlFileTest, IncludesAreLookedForInCurrentThenDataThenDeclaredDirectories) {
    XmlFilePtr file = load("./Main.xml");
    std::vector<std::string> expected{"first/Shared.xml", "./data/InData.xml", "./Everywhere.xml"};
    EXPECT_EQ(expected, file->getIncludedFiles());
    EXPECT_EQ("first/Shared.xml", manager->getFileName("EntityTemplate", "SharedThing"));
    EXPECT_EQ("", manager->getFileName("EntityTemplate", "OnlyInSecond"));
    EXPECT_EQ("./data/InData.xml", manager->getFileName("EntityTemplate", "DataThing"));
    EXPECT_EQ("./Everywhere.xml", manager->getFileName("EntityTemplate", "EverywhereThing"));
    EXPECT_EQ(1, countInLog(mainPrefix + "9 and column 3: cannot find include file Missing.xml "
                                         "in any search directories."));
    EXPECT_EQ(1, countInLog(mainPrefix + "10 and column 3: file attribute missing from "
                                         "IncludeFile."));
    EXPECT_EQ(1, countInLog(mainPrefix + "11 and column 3: duplicate name attribute Shared.xml "
                                         "of IncludeFile."));
    EXPECT_EQ(1, countInLog("Loaded XmlFile first/Shared.xml."));
}

TEST_F(XmlFileTest, OnlyNamedRootChildrenOfRegisteredTypesAreIndexedFirstOneWinning) {
    XmlFilePtr file = load("./Main.xml");
    EXPECT_EQ("./Main.xml", manager->getFileName("EntityTemplate", "Ship"));
    EXPECT_EQ("./Main.xml", manager->getFileName("SceneTemplate", "Menu"));
    EXPECT_EQ("", manager->getFileName("Unrelated", "Ignored"));
    EXPECT_EQ("", manager->getFileName("EntityTemplate", "TooDeep"));
    EXPECT_EQ("first", attribute(file->getElement("EntityTemplate", "Ship"), "version"));
    EXPECT_FALSE(file->hasElement("SceneTemplate", "Ship"));
    EXPECT_EQ(1, countInLog(mainPrefix + "13 and column 3: duplicate name attribute Ship of "
                                         "EntityTemplate."));
    EXPECT_EQ(1, countInLog(mainPrefix + "14 and column 3: name attribute missing from "
                                         "EntityTemplate."));
    EXPECT_EQ(1, countInLog("Loaded XmlFile ./Main.xml."));
}

TEST_F(XmlFileTest, FileLoadedLastWinsTheIndexButEachKeepsItsOwnElement) {
    XmlFilePtr early = load("./Early.xml");
    XmlFilePtr late = load("./Late.xml");
    EXPECT_EQ("./Late.xml", manager->getFileName("EntityTemplate", "Twin"));
    EXPECT_EQ("early", attribute(early->getElement("EntityTemplate", "Twin"), "from"));
    EXPECT_EQ("late", attribute(late->getElement("EntityTemplate", "Twin"), "from"));
    early->reload();
    EXPECT_EQ("./Early.xml", manager->getFileName("EntityTemplate", "Twin"));
}

TEST_F(XmlFileTest, FilesIncludingEachOtherAreEachLoadedOnce) {
    XmlFilePtr a = load("./CycleA.xml");
    EXPECT_FALSE(a->loadFailed());
    std::vector<std::string> fromA{"./CycleB.xml", "./CycleA.xml"};
    EXPECT_EQ(fromA, a->getIncludedFiles());
    XmlFilePtr b = manager->getFile("./CycleB.xml");
    EXPECT_EQ(Resource::Loaded, b->getState());
    EXPECT_EQ(std::vector<std::string>{"./CycleA.xml"}, b->getIncludedFiles());
    EXPECT_EQ(1, countInLog("Loaded XmlFile ./CycleA.xml."));
    EXPECT_EQ(1, countInLog("Loaded XmlFile ./CycleB.xml."));
    EXPECT_EQ("./CycleB.xml", manager->getFileName("EntityTemplate", "FromB"));
    EXPECT_EQ(2u, manager->size());
}

TEST_F(XmlFileTest, MalformedFileLogsRowAndColumnAndIndexesNothing) {
    XmlFilePtr file = load("./Broken.xml");
    EXPECT_TRUE(file->loadFailed());
    EXPECT_EQ(Resource::Loaded, file->getState());
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./Broken.xml, at row 4 and column 1: "
                            "Error reading end tag."));
    EXPECT_EQ("", manager->getFileName("EntityTemplate", "Fine"));
    EXPECT_FALSE(file->hasElement("EntityTemplate", "Fine"));
}

TEST_F(XmlFileTest, FailedIncludeIsNotRecordedButTheRestOfTheFileIs) {
    XmlFilePtr file = load("./IncludesBroken.xml");
    EXPECT_FALSE(file->loadFailed());
    EXPECT_EQ(std::vector<std::string>{"./Late.xml"}, file->getIncludedFiles());
    EXPECT_TRUE(manager->getFile("./Broken.xml")->loadFailed());
}

TEST_F(XmlFileTest, MissingEmptyAndElementlessFilesFailWithoutAPosition) {
    EXPECT_TRUE(load("./NoSuchFile.xml")->loadFailed());
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./NoSuchFile.xml: Failed to open file"));
    writeTextFile("Empty.xml", "");
    EXPECT_TRUE(load("./Empty.xml")->loadFailed());
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./Empty.xml: Error document empty."));
    EXPECT_TRUE(load("./CommentOnly.xml")->loadFailed());
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./CommentOnly.xml: Document has no root "
                            "element."));
}

TEST_F(XmlFileTest, WindowsLineEndsCountRowsLikeUnixOnes) {
    load("./CrLf.xml");
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./CrLf.xml, at row 3 and column 3: duplicate "
                            "name attribute Windows of EntityTemplate."));
}

TEST_F(XmlFileTest, HostileNestingAndTruncationAreRefusedWithoutCrashing) {
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<a>";
    writeTextFile("Deep.xml", deep);
    XmlFilePtr file = load("./Deep.xml");
    EXPECT_TRUE(file->loadFailed());
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./Deep.xml, at row 1 and column 769: "
                            "Elements nested more than 256 levels deep."));

    // Self-closing siblings, however many, are not depth.
    std::string wide = "<Data>";
    for (int i = 0; i < 5000; ++i)
        wide += "<EntityTemplate name=\"T" + std::to_string(i) + "\" note=\"a > b\"/>";
    wide += "</Data>";
    writeTextFile("Wide.xml", wide);
    EXPECT_FALSE(load("./Wide.xml")->loadFailed());
    EXPECT_EQ("./Wide.xml", manager->getFileName("EntityTemplate", "T4999"));

    std::string whole = readTextFile("Main.xml");
    for (std::size_t length : {std::size_t(1), whole.size() / 3, whole.size() - 3}) {
        std::string name = "Cut" + std::to_string(length) + ".xml";
        writeTextFile(name, whole.substr(0, length));
        EXPECT_TRUE(load("./" + name)->loadFailed()) << name;
    }
}

TEST_F(XmlFileTest, UnloadKeepsNamesButNotElementsUntilReloaded) {
    XmlFilePtr file = load("./Early.xml");
    file->unload();
    EXPECT_TRUE(file->hasElement("EntityTemplate", "Twin"));
    EXPECT_EQ(nullptr, file->getElement("EntityTemplate", "Twin"));
    EXPECT_EQ("./Early.xml", manager->getFileName("EntityTemplate", "Twin"));
    file->load();
    EXPECT_NE(nullptr, file->getElement("EntityTemplate", "Twin"));
}

TEST_F(XmlFileTest, TypesRegisteredAfterAFileLoadedAreNotIndexedForIt) {
    load("./Main.xml");
    manager->registerElementType("Unrelated");
    EXPECT_EQ("", manager->getFileName("Unrelated", "Ignored"));
    manager->getFile("./Main.xml")->reload();
    EXPECT_EQ("./Main.xml", manager->getFileName("Unrelated", "Ignored"));
}

TEST_F(XmlFileTest, SecondManagerIsRefusedAndShutDownIsLogged) {
    EXPECT_THROW(XmlFileManager(), myexception);
    manager.reset();
    EXPECT_EQ(1, countInLog("Created XmlFileManager singleton."));
    EXPECT_EQ(1, countInLog("XmlFileManager shut down."));
}

TEST_F(XmlFileTest, ResolveFileTakesTheFirstDirectoryThatOpensOrRaises) {
    EXPECT_EQ("first/Shared.xml", resolveFile("Shared.xml", {"./", "first/", "second/"}));
    EXPECT_EQ("second/Shared.xml", resolveFile("Shared.xml", {"second/", "first/"}));
    try {
        resolveFile("Nowhere.xml", {"./", "first/"});
        FAIL() << "no exception";
    } catch (const myexception& error) {
        EXPECT_STREQ("File Nowhere.xml not found in given directory list.", error.what());
    }
}

TEST_F(XmlFileTest, ParamsAndVarParamsSkipIncompleteAndRepeatedNames) {
    XmlFilePtr file = load("./Params.xml");
    const TiXmlElement* element = file->getElement("EntityTemplate", "WithParams");
    ASSERT_NE(nullptr, element);
    ParamList params, varParams;
    const std::string prefix = "Error: Loading EntityTemplate WithParams";
    readParamsAndVarParams(element, prefix, params, varParams);

    EXPECT_EQ((std::map<std::string, std::string>{{"colour", "red"}, {"speed", "12"}}),
              params.all());
    EXPECT_EQ((std::map<std::string, std::string>{{"target", "Player"}}), varParams.all());
    const std::pair<int, const char*> reports[] = {
        {4, "name attribute missing from Param."},
        {5, "value attribute missing from Param."},
        {6, "duplicate name attribute speed of Param."},
        {9, "duplicate name attribute colour of VarParam."},
        {10, "duplicate name attribute target of VarParam."},
        {11, "value attribute missing from VarParam."}};
    for (const auto& report : reports)
        EXPECT_EQ(1, countInLog(prefix + ", at row " + std::to_string(report.first) +
                                " and column 5: " + report.second))
            << report.second;
}

TEST_F(XmlFileTest, LookupFindsTheIndexedFileRemembersItAndHoldsItsLock) {
    load("./Early.xml");
    load("./Late.xml");
    XmlFilePtr early = manager->getFile("./Early.xml");
    XmlFilePtr late = manager->getFile("./Late.xml");
    Content content("Twin");

    std::string remembered;
    {
        XmlElementLookup lookup("EntityTemplate", content, remembered);
        ASSERT_TRUE(lookup);
        EXPECT_EQ("late", attribute(lookup.getElement(), "from"));
        EXPECT_EQ(late, lookup.getFile());
        EXPECT_FALSE(lockableElsewhere(*late));
    }
    EXPECT_TRUE(lockableElsewhere(*late));
    EXPECT_EQ("./Late.xml", remembered);

    // A remembered file that still defines the element is used even when the index moved on.
    remembered = "./Early.xml";
    early->unload();
    {
        XmlElementLookup lookup("EntityTemplate", content, remembered);
        ASSERT_TRUE(lookup);
        EXPECT_EQ("early", attribute(lookup.getElement(), "from"));
    }
    EXPECT_EQ(Resource::Loaded, early->getState());
    EXPECT_FALSE(content.loadFailed());
}

TEST_F(XmlFileTest, LookupOfAnUnknownElementLogsAndMarksTheResourceFailed) {
    Content content("Nobody");
    std::string remembered = "./Early.xml";
    XmlElementLookup lookup("SceneTemplate", content, remembered);
    EXPECT_FALSE(lookup);
    EXPECT_TRUE(content.loadFailed());
    EXPECT_EQ("", remembered);
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Nobody: cannot find element name in "
                            "any loaded xml files."));
}
