#pragma once

#include "presentation/TextDisplay.h"
#include "presentation/TexturedQuad.h"

// A whole string rendered into one texture and drawn as one quad: the
// best-looking text, for text that rarely changes. Registered as
// "StaticTextDisplay".
//
// Each distinct text gets its own cached texture; the display holds only the
// current one, so textures of earlier texts go at the resource managers' next
// clean-up. Without a usable font, or with an empty text, nothing is drawn.
class StaticTextDisplay : public TexturedQuad, public TextDisplay {
public:
    static const std::string& typeName();

    // Without a font: draws nothing. The prototype the component factory copies.
    StaticTextDisplay();
    StaticTextDisplay(const std::string& fontPath, double textSize, double zOrder,
                      const std::string& text = std::string(), int alignment = Center);
    // See TextDisplay::Settings for the parameters.
    static StaticTextDisplay* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new StaticTextDisplay(*this); }
    bool isFilenameParam(const std::string& name) const override { return name == "font"; }

    RenderOp* renderOperation() override;

    void setText(const std::string& text) override;
    const std::string& getText() const override { return text; }
    void setAlignment(int alignment) override;
    int getAlignment() const override { return alignment; }
    void setTextSize(double size) override;
    double getTextSize() const override { return textSize; }

    const FontPtr& getFont() const { return font; }

protected:
    StaticTextDisplay(const StaticTextDisplay& other) = default;

private:
    // Local box and texture coordinates from the current text's measurements.
    void layOut();

    FontPtr font;
    std::string text;
    double textSize;
    int alignment;
    // (width / height, 1) of the current text as rendered.
    Vector2 aspect;
    // The part of the string texture the text covers, from its top-left corner.
    Vector2 textureExtent;
};
