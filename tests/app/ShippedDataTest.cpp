#include "app/TypeRegistry.h"
#include "world/ComponentFactory.h"

#include <gtest/gtest.h>

#include <tinyxml.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
void collectComponentTypes(const TiXmlElement* element, std::set<std::string>& types) {
    for (; element; element = element->NextSiblingElement()) {
        const char* type = element->Attribute("type");
        if (type && element->ValueStr() == "Component")
            types.insert(type);
        collectComponentTypes(element->FirstChildElement(), types);
    }
}
} // namespace

// A type no shipped file uses is untried: its faults would show only when later data reaches it.
TEST(ShippedData, EveryRegisteredComponentTypeIsUsedBySomeDataFile) {
    std::set<std::string> used;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(VANTORIX_SOURCE_DIR) / "data")) {
        if (entry.path().extension() != ".xml")
            continue;
        TiXmlDocument document(entry.path().string());
        ASSERT_TRUE(document.LoadFile()) << entry.path() << ": " << document.ErrorDesc();
        collectComponentTypes(document.RootElement(), used);
    }
    ComponentFactory factory;
    registerComponentTypes(factory);
    std::vector<std::string> unused;
    for (const std::string& name : factory.registeredNames())
        if (!used.count(name))
            unused.push_back(name);
    EXPECT_EQ(unused, std::vector<std::string>()) << "types that no file under data/ uses";
}
