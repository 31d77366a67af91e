#include "presentation/VideoMode.h"

std::string VideoMode::toString() const {
    return "Width: " + std::to_string(width) + " Height: " + std::to_string(height) +
           " BitDepth: " + std::to_string(bitDepth) +
           " FullScreen: " + (fullScreen ? "true" : "false");
}
