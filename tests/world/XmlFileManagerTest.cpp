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
    int countInLog(const std::string& text) const {
        std::string all = readTextFile(scratch.file(xmlLogName));
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

} // namespace

TEST_F(XmlFileTest, MainFileResolvesDirectoriesIncludesAndIndexReportingEachProblemOnce) {
    XmlFilePtr file = load("./Main.xml");
    EXPECT_FALSE(file->loadFailed());
    EXPECT_EQ((std::vector<std::string>{"./", "./data/", "first/", "second/"}),
              file->getSearchDirectories());
    // Current folder, then data, then the declared folders in order.
    EXPECT_EQ(
        (std::vector<std::string>{"first/Shared.xml", "./data/InData.xml", "./Everywhere.xml"}),
        file->getIncludedFiles());
    const std::pair<const char*, const char*> index[] = {{"SharedThing", "first/Shared.xml"},
                                                         {"OnlyInSecond", ""},
                                                         {"DataThing", "./data/InData.xml"},
                                                         {"EverywhereThing", "./Everywhere.xml"},
                                                         {"Ship", "./Main.xml"},
                                                         {"TooDeep", ""}};
    for (const auto& entry : index)
        EXPECT_EQ(entry.second, manager->getFileName("EntityTemplate", entry.first)) << entry.first;
    EXPECT_EQ("./Main.xml", manager->getFileName("SceneTemplate", "Menu"));
    EXPECT_EQ("", manager->getFileName("Unrelated", "Ignored"));
    EXPECT_EQ("first", attribute(file->getElement("EntityTemplate", "Ship"), "version"));
    EXPECT_FALSE(file->hasElement("SceneTemplate", "Ship"));

    const std::pair<int, const char*> reports[] = {
        {4, "duplicate path attribute first/ of SearchDirectory."},
        {5, "path attribute missing from SearchDirectory."},
        {9, "cannot find include file Missing.xml in any search directories."},
        {10, "file attribute missing from IncludeFile."},
        {11, "duplicate name attribute Shared.xml of IncludeFile."},
        {13, "duplicate name attribute Ship of EntityTemplate."},
        {14, "name attribute missing from EntityTemplate."}};
    for (const auto& report : reports)
        EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./Main.xml, at row " +
                                std::to_string(report.first) + " and column 3: " + report.second))
            << report.second;
    EXPECT_EQ(1, countInLog("Loaded XmlFile first/Shared.xml."));

    // A type registered later counts only from the next load.
    manager->registerElementType("Unrelated");
    EXPECT_EQ("", manager->getFileName("Unrelated", "Ignored"));
    file->reload();
    EXPECT_EQ("./Main.xml", manager->getFileName("Unrelated", "Ignored"));
}

TEST_F(XmlFileTest, MutualIncludesLoadEachFileOnceAndAFailedIncludeIsNotRecorded) {
    XmlFilePtr a = load("./CycleA.xml");
    EXPECT_EQ((std::vector<std::string>{"./CycleB.xml", "./CycleA.xml"}), a->getIncludedFiles());
    EXPECT_EQ(1, countInLog("Loaded XmlFile ./CycleA.xml."));
    EXPECT_EQ(1, countInLog("Loaded XmlFile ./CycleB.xml."));
    EXPECT_EQ("./CycleB.xml", manager->getFileName("EntityTemplate", "FromB"));

    EXPECT_EQ(std::vector<std::string>{"./Late.xml"},
              load("./IncludesBroken.xml")->getIncludedFiles());
    EXPECT_EQ("", manager->getFileName("EntityTemplate", "Fine"));
}

// Files that cannot be data: each is refused with a message, never by an exception or a hang.
TEST_F(XmlFileTest, UnusableFilesFailWithOneMessage) {
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<a>";
    writeTextFile("Deep.xml", deep);
    writeTextFile("Empty.xml", "");
    writeTextFile("Cut.xml", readTextFile("Main.xml").substr(0, 200));
    writeTextFile("Huge.xml", "<Data/>");
    fs::resize_file("Huge.xml", maximumXmlFileSize + 1);
    const std::pair<const char*, const char*> cases[] = {
        {"./Broken.xml", ", at row 4 and column 1: Error reading end tag."},
        {"./CrLf.xml", ", at row 3 and column 3: duplicate name attribute Windows"},
        {"./NoSuchFile.xml", ": Failed to open file"},
        {"./", ": Failed to open file"},
        {"/dev/zero", ": Failed to open file"},
        {"./Empty.xml", ": Error document empty."},
        {"./CommentOnly.xml", ": Document has no root element."},
        {"./Deep.xml", ", at row 1 and column 769: Elements nested more than 256 levels deep."},
        {"./Cut.xml", ", at row 7 and column 16: Error parsing Element."},
        {"./Huge.xml", ": File larger than 67108864 bytes."}};
    for (const auto& entry : cases) {
        XmlFilePtr file = load(entry.first);
        EXPECT_EQ(std::string(entry.first) != "./CrLf.xml", file->loadFailed()) << entry.first;
        EXPECT_EQ(1,
                  countInLog(std::string("Error: Loading XmlFile ") + entry.first + entry.second))
            << entry.first;
    }
}

TEST_F(XmlFileTest, IncludesOfFoldersDevicesHugeFilesDeepChainsAndGarbledNamesAreRefused) {
    writeTextFile("Huge.xml", "<Data/>");
    fs::resize_file("Huge.xml", maximumXmlFileSize + 1);
    writeTextFile("Odd.xml", "<Data>\n<SearchDirectory path=\"/dev\"/>\n<IncludeFile file=\"\"/>\n"
                             "<IncludeFile file=\"first\"/>\n<IncludeFile file=\"zero\"/>\n"
                             "<IncludeFile file=\"Huge.xml\"/>\n"
                             "<EntityTemplate name=>w\"loS\"><Component/></EntityTemplate>\n"
                             "</Data>\n");
    EXPECT_FALSE(load("./Odd.xml")->loadFailed());
    const std::pair<int, const char*> reports[] = {
        {3, "cannot find include file  in any search directories."},
        {4, "cannot find include file first in any search directories."},
        {5, "cannot find include file zero in any search directories."},
        {6, "include file Huge.xml is larger than 67108864 bytes."},
        {7, "name attribute missing from EntityTemplate."}};
    for (const auto& report : reports)
        EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./Odd.xml, at row " +
                                std::to_string(report.first) + " and column 1: " + report.second))
            << report.second;
    EXPECT_EQ(1u, manager->size());

    for (int link = 0; link < 300; ++link)
        writeTextFile("Link" + std::to_string(link) + ".xml",
                      "<Data><IncludeFile file=\"Link" + std::to_string(link + 1) + ".xml\"/>" +
                          "<EntityTemplate name=\"L" + std::to_string(link) + "\"/></Data>");
    EXPECT_FALSE(load("./Link0.xml")->loadFailed());
    EXPECT_EQ("./Link128.xml", manager->getFileName("EntityTemplate", "L128"));
    EXPECT_EQ("", manager->getFileName("EntityTemplate", "L129"));
    EXPECT_EQ(1, countInLog("Error: Loading XmlFile ./Link128.xml, at row 1 and column 7: include "
                            "files nested more than 128 deep."));
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

TEST_F(XmlFileTest, LastFileWinsTheIndexAndLookupPrefersTheRememberedFileHoldingItsLock) {
    XmlFilePtr early = load("./Early.xml");
    XmlFilePtr late = load("./Late.xml");
    EXPECT_EQ("early", attribute(early->getElement("EntityTemplate", "Twin"), "from"));
    Content content("Twin");
    std::string remembered;
    {
        XmlElementLookup lookup("EntityTemplate", content, remembered);
        EXPECT_EQ("late", attribute(lookup.getElement(), "from"));
        EXPECT_FALSE(lockableElsewhere(*late));
    }
    EXPECT_TRUE(lockableElsewhere(*late));
    EXPECT_EQ("./Late.xml", remembered);

    // Unloading keeps the names; a remembered file that still defines the element is used (and
    // reloaded) though the index moved on.
    remembered = "./Early.xml";
    early->unload();
    EXPECT_TRUE(early->hasElement("EntityTemplate", "Twin"));
    EXPECT_EQ(nullptr, early->getElement("EntityTemplate", "Twin"));
    {
        XmlElementLookup lookup("EntityTemplate", content, remembered);
        EXPECT_EQ("early", attribute(lookup.getElement(), "from"));
    }
    EXPECT_FALSE(content.loadFailed());

    Content nobody("Nobody");
    XmlElementLookup lookup("SceneTemplate", nobody, remembered);
    EXPECT_FALSE(lookup);
    EXPECT_TRUE(nobody.loadFailed());
    EXPECT_EQ("", remembered);
    EXPECT_EQ(1, countInLog("Error: Loading SceneTemplate Nobody: cannot find element name in "
                            "any loaded xml files."));
}
