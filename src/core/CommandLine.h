#pragma once

#include <cstdint>
#include <string>

// Start-up settings from the command line.
struct CommandLineSettings {
    std::uint32_t width = 1024;
    std::uint32_t height = 768;
    std::uint32_t depth = 0; // 0: the desktop's depth
    bool fullScreen = false;
};

// Options come in pairs: "-width", "-height", "-depth" (unsigned) and "-fs" (0 or 1); a later
// repetition wins. Returns false on an unknown option, a value that does not convert, or an
// option with no value behind it.
bool parseCommandLine(int argc, const char* const argv[], CommandLineSettings& settings);

// "Usage: <program> [-width number] [-height number] [-depth number] [-fs 1/0]\n"
std::string usageText(const std::string& programPath);
