#pragma once

#include "presentation/AnimationSequence.h"

#include <cstdint>
#include <utility>
#include <vector>

// A sequence whose frames are horizontal bands of one picture, stacked bottom to top: band 0 is
// the lowest. Registered under "StripSequence".
class StripSequence : public AnimationSequence::Data {
public:
    const OrientedBox& quad() const override { return frameQuad; }
    unsigned frameCount() const override { return static_cast<unsigned>(frames.size()); }
    AnimationSequence::Frame frame(unsigned index) const override;
    Data* createNew() const override { return new StripSequence; }
    bool load(const TiXmlElement& element, XmlFile& file) override;

private:
    bool fail(const std::string& message);

    OrientedBox frameQuad;
    double stripStep = 1.0;
    // (band index, length in frame periods), in playing order.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> frames;
    std::string fileName;
};
