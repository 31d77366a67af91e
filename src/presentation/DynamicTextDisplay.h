#pragma once

#include "presentation/TextDisplay.h"
#include "presentation/TexturedQuad.h"

#include <cstddef>
#include <vector>

// Text drawn one quad per character from the font's glyph sheet, for text that
// changes every frame (score, timer): a new text only rewrites this display's
// vertex and texture-coordinate arrays, which grow by doubling and are never
// shrunk. Registered as "DynamicTextDisplay".
//
// Characters are laid out in cells of equal width (the sheet is monospaced);
// codes the sheet does not hold, bytes above 127 included, show glyph 0.
// Without a usable font, or with an empty text, nothing is drawn.
//
// All displays draw with one shared index array 0, 1, 2, ... that grows when a
// longer text needs it. Its address therefore changes on growth;
// renderOperation() always hands out the current one, and no render pass may
// span a setText call.
struct WorldTransform;

class DynamicTextDisplay : public TexturedQuad, public TextDisplay {
public:
    static const std::string& typeName();
    // The most characters one display draws: unsigned short indices address 65536
    // vertices. Longer texts keep their full text and extent but draw only their
    // beginning.
    static constexpr std::size_t maxDrawnCharacters = 65536 / 4;

    // Without a font: draws nothing. The prototype the component factory copies.
    DynamicTextDisplay();
    DynamicTextDisplay(const std::string& fontPath, double textSize, double zOrder,
                       const std::string& text = std::string(), int alignment = Center);
    DynamicTextDisplay(const DynamicTextDisplay& other);
    // See TextDisplay::Settings for the parameters.
    static DynamicTextDisplay* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new DynamicTextDisplay(*this); }
    bool isFilenameParam(const std::string& name) const override { return name == "font"; }

    RenderOp* renderOperation() override;
    bool updateGeometry() override;

    void setText(const std::string& text) override;
    const std::string& getText() const override { return text; }
    void setAlignment(int alignment) override;
    int getAlignment() const override { return alignment; }
    void setTextSize(double size) override;
    double getTextSize() const override { return textSize; }

    const FontPtr& getFont() const { return font; }
    std::size_t getCharacterCount() const { return characterCount; }
    // Vertices the arrays have room for.
    std::size_t getVertexCapacity() const { return vertexCapacity; }
    // Entries in the index array shared by all displays (at least 2048, once one
    // display exists).
    static std::size_t sharedIndexCount();

private:
    void layOut();
    void fillTexCoords();
    // Corners of every character, mapped into the world.
    void placeCharacters(const WorldTransform& frame);
    void pointRenderOpAtArrays();

    FontPtr font;
    std::string text;
    double textSize;
    int alignment;
    std::size_t characterCount = 0;
    std::size_t vertexCapacity = 0;
    // x, y and s, t per vertex, four vertices per character in the quad corner
    // order.
    std::vector<double> vertices;
    std::vector<double> texCoords;
    bool texCoordsDirty = false;
    bool geometryDirty = false;
    Vector2 cachedPosition{0, 0};
    Vector2 cachedOrientation{1, 0};
    Vector2 cachedScale{1, 1};
};
