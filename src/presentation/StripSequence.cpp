#include "presentation/StripSequence.h"

#include "core/LogFile.h"
#include "core/myexception.h"
#include "world/XmlFile.h"
#include "world/XmlReading.h"

#include <tinyxml.h>

#include <sstream>

AnimationSequence::Frame StripSequence::frame(unsigned index) const {
    const auto& entry = frames.at(index);
    AnimationSequence::Frame result;
    result.texCoords = AxisAlignedBox(Vector2(0.0, entry.first * stripStep),
                                      Vector2(1.0, (entry.first + 1) * stripStep));
    result.fileName = fileName;
    result.length = entry.second;
    return result;
}

bool StripSequence::fail(const std::string& message) {
    AnimationSequence::writeLog(message, LogFile::Important);
    return false;
}

bool StripSequence::load(const TiXmlElement& element, XmlFile& file) {
    frames.clear();
    int stripSize = 0;
    if (element.QueryIntAttribute("stripSize", &stripSize) != TIXML_SUCCESS)
        return fail("no stripSize attribute in StripSequence.");
    // A strip of no bands would make every texture coordinate infinite.
    if (stripSize <= 0)
        return fail("invalid stripSize attribute in StripSequence.");
    stripStep = 1.0 / stripSize;

    const char* quadText = element.Attribute("quad");
    if (!quadText)
        return fail("no quad attribute in StripSequence.");
    AxisAlignedBox rectangle;
    std::istringstream quadStream(quadText);
    quadStream >> rectangle;
    frameQuad = OrientedBox(rectangle, Vector2(1.0, 0.0));

    const char* fileText = element.Attribute("filename");
    if (!fileText)
        return fail("no filename attribute in StripSequence.");
    try {
        fileName = resolveFile(fileText, file.getSearchDirectories());
    } catch (const myexception&) {
        return fail("invalid filename " + std::string(fileText) + " for StripSequence.");
    }

    const TiXmlElement* frameElement = element.FirstChildElement("Frame");
    if (!frameElement)
        return fail("no frame elements in StripSequence.");
    for (; frameElement; frameElement = frameElement->NextSiblingElement("Frame")) {
        int index = 0, length = 0;
        if (frameElement->QueryIntAttribute("index", &index) != TIXML_SUCCESS)
            return fail("no index attribute in StripSequence.");
        if (frameElement->QueryIntAttribute("length", &length) != TIXML_SUCCESS)
            return fail("no length attribute in StripSequence.");
        // Negative values would wrap to huge unsigned bands and durations.
        if (index < 0)
            return fail("invalid index attribute in StripSequence.");
        if (length < 0)
            return fail("invalid length attribute in StripSequence.");
        frames.emplace_back(static_cast<std::uint32_t>(index), static_cast<std::uint32_t>(length));
    }
    return true;
}
