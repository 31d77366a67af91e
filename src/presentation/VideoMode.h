#pragma once

#include <cstdint>
#include <string>

// A window size and colour depth as asked for on the command line or as actually opened.
struct VideoMode {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // Bits per pixel; 0 asks for the desktop's depth.
    std::uint32_t bitDepth = 0;
    bool fullScreen = false;

    // The form used in log lines.
    std::string toString() const;
};
