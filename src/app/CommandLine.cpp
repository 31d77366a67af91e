#include "app/CommandLine.h"

#include <sstream>

namespace {
template <typename T> bool readValue(const std::string& text, T& destination) {
    std::istringstream stream(text);
    T value{};
    stream >> value;
    if (stream.fail())
        return false;
    destination = value;
    return true;
}

// A bare stream read of an unsigned takes "-5" as a huge number; a size must not start that way.
bool readUnsigned(const std::string& text, std::uint32_t& destination) {
    std::size_t first = text.find_first_not_of(" \t\n\r\f\v");
    if (first != std::string::npos && text[first] == '-')
        return false;
    return readValue(text, destination);
}
} // namespace

VideoMode defaultVideoMode() {
    VideoMode mode;
    mode.width = 1024;
    mode.height = 768;
    mode.bitDepth = 0;
    mode.fullScreen = false;
    return mode;
}

bool parseCommandLine(int argc, const char* const argv[], VideoMode& settings) {
    for (int index = 1; index < argc; index += 2) {
        std::string option = argv[index];
        if (index + 1 >= argc)
            return false;
        std::string value = argv[index + 1];
        bool converted = false;
        if (option == "-width")
            converted = readUnsigned(value, settings.width);
        else if (option == "-height")
            converted = readUnsigned(value, settings.height);
        else if (option == "-depth")
            converted = readUnsigned(value, settings.bitDepth);
        else if (option == "-fs")
            converted = readValue(value, settings.fullScreen);
        if (!converted)
            return false;
    }
    return true;
}

std::string usageText(const std::string& programPath) {
    return "Usage: " + programPath +
           " [-width number] [-height number] [-depth number] [-fs 1/0]\n";
}
