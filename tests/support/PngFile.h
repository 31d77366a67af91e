#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 8-bit RGBA rows (top row first) as a PNG file, so pictures from the tests can be looked
// at with any viewer. The image data is stored uncompressed: test pictures are small and this
// needs no compression library. Returns false when the file cannot be written.
bool writePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& rgbaRows);
