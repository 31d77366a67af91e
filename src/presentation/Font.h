#pragma once

#include "core/Resource.h"
#include "core/Vector2.h"
#include "presentation/Texture.h"

#include <boost/shared_ptr.hpp>

#include <array>
#include <string>

class AxisAlignedBox;
typedef struct _TTF_Font TTF_Font;

// A TrueType font rasterised at a fixed size, cached by the FontManager under its file path.
//
// It offers two kinds of texture, both cached in the TextureManager and made by loaders that the
// texture owns: the glyph sheet (codes 0 to 127 in a 16 x 8 grid of equal cells, so text drawn
// from it is monospaced) and one texture per rendered string. The loaders find the font again by
// its handle, so a texture that outlives its font just loads blank.
//
// A font file that cannot be opened is logged and flagged loadFailed; it then measures every
// text as zero-sized and draws nothing.
class Font : public Resource {
public:
    static constexpr int pointSize = 40;
    static constexpr unsigned glyphCount = 128;
    // The (s, t) texture coordinates of one glyph's cell, for the corners (left, bottom),
    // (left, top), (right, top), (right, bottom), with t running upwards.
    typedef std::array<double, 8> GlyphCoordinates;
    typedef std::array<GlyphCoordinates, glyphCount> GlyphTable;

    Font(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    ~Font() override;

    // The texture of text rendered in white, named "FontTexture-" + path + "-" + text; callers
    // load it. Empty unless the font is loaded and usable. aspect, when given, receives
    // (width / height, 1) of the rendered text, and textureArea the part of the texture the
    // text covers (the text sits at its top-left corner); both are zero when nothing is made.
    // Raises "FontManager is null, cannot create Font." without a FontManager.
    TexturePtr getStringTexture(const std::string& text, Vector2* aspect = nullptr,
                                AxisAlignedBox* textureArea = nullptr);
    // (width / height, 1) of the text as rendered, or (0, 0) when the font is not usable.
    Vector2 getTextAspect(const std::string& text) const;

    // All zero until the glyph sheet is built; an entry stays zero for a code with no glyph.
    const GlyphTable& getGlyphTable() const { return glyphTable; }
    const TexturePtr& getGlyphSheet() const { return glyphSheet; }
    // Width / height of one glyph cell; 0 when the font is not usable.
    double getCellAspect() const { return cellAspect; }
    // Open while the font is loaded and its file could be read; null otherwise.
    TTF_Font* getTrueTypeFont() const { return trueTypeFont; }

    // Builds the glyph sheet into the texture it is handed (already bound).
    class TextureMapLoader : public ManualResourceLoader {
    public:
        explicit TextureMapLoader(const Font& font);
        void loadResource(Resource* resource) override;
        bool deleteWithResource() override { return true; }

    private:
        ResourceHandle fontHandle;
        std::string fontName;
    };

    // Renders one string into the texture it is handed (already bound).
    class StringLoader : public ManualResourceLoader {
    public:
        StringLoader(const Font& font, const std::string& text);
        void loadResource(Resource* resource) override;
        bool deleteWithResource() override { return true; }

    private:
        ResourceHandle fontHandle;
        std::string fontName;
        std::string text;
    };

protected:
    void loadImpl() override;
    void unloadImpl() override;

private:
    // Loaded or loading, with its file open.
    bool hasOpenFile() const;
    // Loaded, with its file open.
    bool isUsable() const;
    // Into the bound texture; false when there was nothing to build.
    bool buildGlyphSheet();
    static boost::shared_ptr<Font> find(ResourceHandle handle, const std::string& name);

    TTF_Font* trueTypeFont = nullptr;
    TexturePtr glyphSheet;
    GlyphTable glyphTable{};
    double cellAspect = 0.0;
};

typedef boost::shared_ptr<Font> FontPtr;
