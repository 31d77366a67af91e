#include "presentation/StaticTextDisplay.h"

#include "core/ParamList.h"

#include <memory>

namespace {
const OrientedBox emptyBox;
} // namespace

const std::string& StaticTextDisplay::typeName() {
    static const std::string name = "StaticTextDisplay";
    return name;
}

StaticTextDisplay::StaticTextDisplay() : StaticTextDisplay(std::string(), 0.0, 0.0) {}

StaticTextDisplay::StaticTextDisplay(const std::string& fontPath, double textSize, double zOrder,
                                     const std::string& text, int alignment)
    : TexturedQuad(emptyBox, zOrder), font(loadFont(fontPath)), textSize(textSize),
      alignment(isAlignment(alignment) ? alignment : Center) {
    setText(text);
}

StaticTextDisplay* StaticTextDisplay::fromParams(const ParamList& params) {
    Settings settings = Settings::fromParams(params, typeName());
    auto display = new StaticTextDisplay(settings.fontPath, settings.textSize, settings.zOrder,
                                         settings.text, settings.alignment);
    display->setColour(settings.colour);
    return display;
}

RenderOp* StaticTextDisplay::renderOperation() {
    RenderOp* op = TexturedQuad::renderOperation();
    return text.empty() || !op->texture ? nullptr : op;
}

void StaticTextDisplay::setText(const std::string& newText) {
    if (!font || newText == text)
        return;
    text = newText;
    if (text.empty()) {
        setTexture(TexturePtr());
        aspect = Vector2(0, 0);
        textureExtent = Vector2(0, 0);
        setLocalBox(emptyBox);
        return;
    }
    AxisAlignedBox area;
    TexturePtr texture = font->getStringTexture(text, &aspect, &area);
    if (texture)
        texture->load();
    setTexture(texture);
    textureExtent = area.max;
    layOut();
}

void StaticTextDisplay::layOut() {
    if (text.empty())
        return;
    double width = aspect.x * textSize;
    double left = leftEdgeFor(alignment, width);
    setLocalBox(OrientedBox(
        AxisAlignedBox(Vector2(left, -textSize / 2), Vector2(left + width, textSize / 2)),
        Vector2(1, 0)));
    // The text sits at the top of its texture, and t runs upwards.
    setTexCoords(AxisAlignedBox(Vector2(0, 1 - textureExtent.y), Vector2(textureExtent.x, 1)));
}

void StaticTextDisplay::setAlignment(int newAlignment) {
    if (!font || newAlignment == alignment || !isAlignment(newAlignment))
        return;
    alignment = newAlignment;
    layOut();
}

void StaticTextDisplay::setTextSize(double size) {
    if (!font || size == textSize)
        return;
    textSize = size;
    layOut();
}
