#include "world/XmlFileManager.h"

#include "core/LogManager.h"
#include "support/ScratchDirectory.h"
#include "world/XmlElementLookup.h"
#include "world/XmlReading.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <thread>

namespace fs = std::filesystem;

namespace {

// Each test works in a copy of tests/data/xml, so that "./" and "./data/" hold files.
class XmlFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(VANTORIX_TEST_DATA_DIR "/xml", scratch.path(), fs::copy_options::recursive);
        inScratch = std::make_unique<ScopedWorkingDirectory>(scratch.path());
        logs = std::make_unique<LogManager>();
        manager = std::make_unique<XmlFileManager>();
        manager->registerElementType("EntityTemplate");
        manager->registerElementType("SceneTemplate");
        writeTextFile("Huge.xml", "<Data/>");
        fs::resize_file("Huge.xml", maximumXmlFileSize + 1);
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
    void expectReports(const std::string& prefix, const std::vector<std::string>& reports) {
        for (const std::string& report : reports)
            EXPECT_EQ(1, countInLog(prefix + ", at row " + report)) << report;
    }

    // Destroyed in the reverse order: the manager first, the scratch directory last.
    ScratchDirectory scratch;
    std::unique_ptr<ScopedWorkingDirectory> inScratch;
    std::unique_ptr<LogManager> logs;
    std::unique_ptr<XmlFileManager> manager;
};

bool lockableElsewhere(Resource& resource) {
    bool locked = false;
    std::thread([&] {
        if ((locked = resource.getMutex().try_lock()))
            resource.getMutex().unlock();
    }).join();
    return locked;
}

struct Content : Resource {
    explicit Content(const std::string& name) : Resource(name, 1, nullptr) {}
    void loadImpl() override {}
    void unloadImpl() override {}
};

} // namespace

TEST_F(XmlFileTest, MainFileResolvesDirectoriesIncludesAndIndexReportingEachProblemOnce) {
    XmlFilePtr file = load("./Main.xml");
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
    expectReports(
        "Error: Loading XmlFile ./Main.xml",
        {"4 and column 3: duplicate path attribute first/ of SearchDirectory.",
         "9 and column 3: cannot find include file Missing.xml in any search directories."});
}

TEST_F(XmlFileTest, MutualIncludesLoadEachFileOnceAndAFailedIncludeIsNotRecorded) {
    EXPECT_EQ((std::vector<std::string>{"./CycleB.xml", "./CycleA.xml"}),
              load("./CycleA.xml")->getIncludedFiles());
    EXPECT_EQ(2, countInLog("Loaded XmlFile ./Cycle"));
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
    const std::pair<const char*, const char*> cases[] = {
        {"./CrLf.xml", ", at row 3 and column 3: duplicate name attribute Windows"},
        {"/dev/zero", ": Failed to open file"},
        {"./CommentOnly.xml", ": Document has no root element."},
        {"./Deep.xml", ", at row 1 and column 769: Elements nested more than 256 levels deep."},
        {"./Huge.xml", ": File larger than 67108864 bytes."}};
    for (const auto& [path, report] : cases) {
        EXPECT_EQ(std::string(path) != "./CrLf.xml", load(path)->loadFailed()) << path;
        EXPECT_EQ(1, countInLog(std::string("Error: Loading XmlFile ") + path + report)) << path;
    }
}

TEST_F(XmlFileTest, IncludesOfFoldersDevicesHugeFilesDeepChainsAndGarbledNamesAreRefused) {
    writeTextFile("Odd.xml", "<Data>\n<SearchDirectory path=\"/dev\"/>\n<IncludeFile file=\"\"/>\n"
                             "<IncludeFile file=\"first\"/>\n<IncludeFile file=\"zero\"/>\n"
                             "<IncludeFile file=\"Huge.xml\"/>\n"
                             "<EntityTemplate name=>w\"loS\"><Component/></EntityTemplate>\n"
                             "</Data>\n");
    EXPECT_FALSE(load("./Odd.xml")->loadFailed());
    expectReports("Error: Loading XmlFile ./Odd.xml",
                  {"3 and column 1: cannot find include file  in any search directories.",
                   "4 and column 1: cannot find include file first in any search directories.",
                   "5 and column 1: cannot find include file zero in any search directories.",
                   "6 and column 1: include file Huge.xml is larger than 67108864 bytes.",
                   "7 and column 1: name attribute missing from EntityTemplate."});

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

// The lock is recursive, so only another thread can tell whether the lookup holds it.
TEST_F(XmlFileTest, LastFileWinsTheIndexAndLookupHoldsTheFilesLock) {
    load("./Early.xml");
    XmlFilePtr late = load("./Late.xml");
    Content content("Twin");
    std::string remembered;
    {
        XmlElementLookup lookup("EntityTemplate", content, remembered);
        EXPECT_EQ("late", std::string(lookup.getElement()->Attribute("from")));
        EXPECT_FALSE(lockableElsewhere(*late));
    }
    EXPECT_TRUE(lockableElsewhere(*late));
    EXPECT_EQ("./Late.xml", remembered);
}
