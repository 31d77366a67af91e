#include "support/PngFile.h"

#include <array>
#include <fstream>

namespace {
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void writeChunk(std::ofstream& file, const char* type, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> chunk;
    putBigEndian(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    putBigEndian(chunk, crc32(chunk.data() + 4, chunk.size() - 4));
    file.write(reinterpret_cast<const char*>(chunk.data()), chunk.size());
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> storedZlib(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t at = 0;
    do {
        std::size_t length = std::min<std::size_t>(data.size() - at, 65535);
        bool last = at + length == data.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length & 0xFF));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length & 0xFF));
        out.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
        out.insert(out.end(), data.begin() + at, data.begin() + at + length);
        at += length;
    } while (at < data.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, (b << 16) | a);
    return out;
}
} // namespace

bool writePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& rgbaRows) {
    const std::size_t rowBytes = std::size_t(width) * 4;
    if (width <= 0 || height <= 0 || rgbaRows.size() < rowBytes * height)
        return false;
    std::ofstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    file.write(reinterpret_cast<const char*>(signature), sizeof signature);

    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits per channel, colour type 6 (RGBA), deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 6, 0, 0, 0});
    writeChunk(file, "IHDR", header);

    // Each row starts with its filter type, 0 (none).
    std::vector<std::uint8_t> scanlines;
    scanlines.reserve((rowBytes + 1) * height);
    for (int y = 0; y < height; ++y) {
        scanlines.push_back(0);
        auto row = rgbaRows.begin() + std::ptrdiff_t(y * rowBytes);
        scanlines.insert(scanlines.end(), row, row + std::ptrdiff_t(rowBytes));
    }
    writeChunk(file, "IDAT", storedZlib(scanlines));
    writeChunk(file, "IEND", {});
    return bool(file);
}
