#pragma once

#include "core/ResourceManager.h"
#include "core/Singleton.h"
#include "presentation/Texture.h"

// The cache of GL textures, keyed by image path (or by a generated name for textures made by a
// ManualResourceLoader).
//
// Made with new after the VideoManager, which deletes it; nobody else deletes it. While it
// exists the GL texture matrix maps texture coordinate (0, 0) to the bottom-left of an image as
// seen and (1, 1) to its top-right.
class TextureManager : public ResourceManager, public Singleton<TextureManager> {
public:
    // Raises "no video manager." when there is no VideoManager.
    TextureManager();
    ~TextureManager() override;

    // The cached texture, made unloaded when new; callers load it before use. Empty for an
    // empty name.
    TexturePtr getTexture(const std::string& name);
    TexturePtr getTexture(const std::string& name, ManualResourceLoader* loader);

protected:
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override;
};
