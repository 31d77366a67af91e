#pragma once

#include "core/Resource.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>

// A GL texture made from a 32-bit RGBA image with power-of-two sides, or by a
// ManualResourceLoader that uploads the image itself (with the texture already bound).
//
// An image that cannot be used is logged and leaves a blank texture (a GL texture object with
// no image) flagged loadFailed; quads drawn with it show their plain colour. The GL name is 0
// while the texture is unloaded and changes on every load, so bind it afresh each draw.
class Texture : public Resource {
public:
    Texture(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    ~Texture() override;

    std::uint32_t getTextureName() const { return textureName; }
    bool getRepeat() const { return repeat; }
    // Tiles instead of clamping. Only switching on is acted on; once on, it stays on.
    void setRepeat(bool value);
    // Every sample drawn from it is fully opaque: a loaded image file without a see-through
    // texel that repeats. A clamped one is not, as filtering at its edges takes in the
    // transparent border.
    bool isOpaque() const { return opaqueImage && repeat; }

protected:
    bool loadsThroughLoader() const override { return false; }
    void loadImpl() override;
    void unloadImpl() override;

private:
    void loadImageFile();
    void applyWrapMode();

    bool repeat = false;
    bool opaqueImage = false;
    std::uint32_t textureName = 0;
};

typedef boost::shared_ptr<Texture> TexturePtr;
