#pragma once

#include "core/ResourceManager.h"
#include "core/Singleton.h"
#include "presentation/Font.h"

#include <array>
#include <cstdint>
#include <string>

// The cache of TrueType fonts, keyed by font file path, and the owner of SDL_ttf's start-up.
//
// Made with new after the TextureManager, whose destructor deletes it; nobody else deletes it.
// Its destruction closes every cached font, including fonts that components still hold: those
// stay valid objects but draw nothing from then on.
class FontManager : public ResourceManager, public Singleton<FontManager> {
public:
    // Raises "no texture manager." without a TextureManager, or SDL's error text when SDL_ttf
    // cannot start.
    FontManager();
    ~FontManager() override;

    // The cached font, made unloaded when new; callers load it before use.
    FontPtr getFont(const std::string& path);

    // The glyph a character code is drawn with. Codes outside the glyph sheet (bytes above 127
    // included) use glyph 0.
    unsigned glyphIndex(unsigned char code) const {
        return code < Font::glyphCount ? characterMap[code] : 0;
    }

protected:
    Resource* createImpl(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader) override;

private:
    std::array<std::uint8_t, Font::glyphCount> characterMap{};
    // SDL_ttf is shut down only by the manager that started it.
    bool startedTrueType = false;
};
