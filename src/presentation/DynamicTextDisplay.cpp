#include "presentation/DynamicTextDisplay.h"

#include "core/ParamList.h"
#include "physics/WorldTransform.h"
#include "presentation/FontManager.h"
#include "world/SceneNode.h"

#include <algorithm>
#include <cstdint>

namespace {
const OrientedBox emptyBox;
constexpr std::size_t initialIndexCount = 2048;
constexpr std::size_t largestIndexCount = DynamicTextDisplay::maxDrawnCharacters * 4;

std::vector<std::uint16_t>& sharedIndices() {
    static std::vector<std::uint16_t> indices;
    return indices;
}

// Doubles the shared array until it holds count indices (at most
// largestIndexCount).
void provideIndices(std::size_t count) {
    std::vector<std::uint16_t>& indices = sharedIndices();
    count = std::min(count, largestIndexCount);
    if (indices.size() >= count)
        return;
    std::size_t size = std::max<std::size_t>(indices.size(), 1);
    while (size < count)
        size *= 2;
    size = std::min(size, largestIndexCount);
    std::size_t filled = indices.size();
    indices.resize(size);
    for (std::size_t i = filled; i < size; ++i)
        indices[i] = static_cast<std::uint16_t>(i);
}
} // namespace

const std::string& DynamicTextDisplay::typeName() {
    static const std::string name = "DynamicTextDisplay";
    return name;
}

std::size_t DynamicTextDisplay::sharedIndexCount() {
    return sharedIndices().size();
}

DynamicTextDisplay::DynamicTextDisplay() : DynamicTextDisplay(std::string(), 0.0, 0.0) {}

DynamicTextDisplay::DynamicTextDisplay(const std::string& fontPath, double textSize, double zOrder,
                                       const std::string& text, int alignment)
    : TexturedQuad(emptyBox, zOrder), font(loadFont(fontPath)), textSize(textSize),
      alignment(isAlignment(alignment) ? alignment : Center) {
    provideIndices(initialIndexCount);
    RenderOp& op = mutableRenderOp();
    op.primitive = RenderOp::Quads;
    op.indexType = RenderOp::UnsignedShort;
    op.indexCount = 0;
    op.vertexCount = 0;
    op.indices = sharedIndices().data();
    if (font)
        op.texture = font->getGlyphSheet();
    pointRenderOpAtArrays();
    setText(text);
}

DynamicTextDisplay::DynamicTextDisplay(const DynamicTextDisplay& other)
    : TexturedQuad(other), TextDisplay(other), font(other.font), text(other.text),
      textSize(other.textSize), alignment(other.alignment), characterCount(other.characterCount),
      vertexCapacity(other.vertexCapacity), vertices(other.vertices), texCoords(other.texCoords),
      texCoordsDirty(other.texCoordsDirty), geometryDirty(other.geometryDirty),
      cachedPosition(other.cachedPosition), cachedOrientation(other.cachedOrientation),
      cachedScale(other.cachedScale) {
    pointRenderOpAtArrays();
}

DynamicTextDisplay* DynamicTextDisplay::fromParams(const ParamList& params) {
    Settings settings = Settings::fromParams(params, typeName());
    auto display = new DynamicTextDisplay(settings.fontPath, settings.textSize, settings.zOrder,
                                          settings.text, settings.alignment);
    display->setColour(settings.colour);
    return display;
}

void DynamicTextDisplay::pointRenderOpAtArrays() {
    RenderOp& op = mutableRenderOp();
    op.vertices = vertices.data();
    op.texCoords = texCoords.data();
}

RenderOp* DynamicTextDisplay::renderOperation() {
    RenderOp* op = TexturedQuad::renderOperation();
    if (characterCount == 0 || font->getCellAspect() == 0.0)
        return nullptr;
    op->indices = sharedIndices().data();
    return op;
}

void DynamicTextDisplay::setText(const std::string& newText) {
    if (!font || newText == text)
        return;
    text = newText;
    characterCount = text.size();
    std::size_t vertexCount = 4 * characterCount;
    if (vertexCapacity < vertexCount) {
        vertexCapacity = std::max(2 * vertexCapacity, vertexCount);
        vertices.assign(2 * vertexCapacity, 0.0);
        texCoords.assign(2 * vertexCapacity, 0.0);
        pointRenderOpAtArrays();
    }
    // Beyond 2048 indices the shared array grows rather than letting GL read past
    // its end.
    provideIndices(vertexCount);
    RenderOp& op = mutableRenderOp();
    op.vertexCount = static_cast<std::uint32_t>(vertexCount);
    op.indexCount = static_cast<std::uint32_t>(std::min(vertexCount, largestIndexCount));
    layOut();
    texCoordsDirty = true;
}

void DynamicTextDisplay::layOut() {
    if (characterCount == 0) {
        setLocalBox(emptyBox);
    } else {
        double width = characterCount * textSize * font->getCellAspect();
        double left = leftEdgeFor(alignment, width);
        setLocalBox(OrientedBox(
            AxisAlignedBox(Vector2(left, -textSize / 2), Vector2(left + width, textSize / 2)),
            Vector2(1, 0)));
    }
    geometryDirty = true;
}

void DynamicTextDisplay::setAlignment(int newAlignment) {
    if (!font || newAlignment == alignment || !isAlignment(newAlignment))
        return;
    alignment = newAlignment;
    layOut();
}

void DynamicTextDisplay::setTextSize(double size) {
    if (!font || size == textSize)
        return;
    textSize = size;
    layOut();
}

void DynamicTextDisplay::fillTexCoords() {
    const Font::GlyphTable& glyphs = font->getGlyphTable();
    FontManager* fonts = FontManager::getSingletonPtr();
    for (std::size_t i = 0; i < characterCount; ++i) {
        unsigned char code = static_cast<unsigned char>(text[i]);
        const Font::GlyphCoordinates& glyph = glyphs[fonts ? fonts->glyphIndex(code) : 0];
        std::copy(glyph.begin(), glyph.end(), texCoords.begin() + 8 * i);
    }
}

void DynamicTextDisplay::placeCharacters(const WorldTransform& frame) {
    if (!font)
        return;
    double width = font->getCellAspect() * textSize;
    double left = leftEdgeFor(alignment, characterCount * width);
    double bottom = -textSize / 2;
    double top = textSize / 2;
    for (std::size_t i = 0; i < characterCount; ++i) {
        double x0 = left + i * width;
        double x1 = x0 + width;
        const double corners[8] = {x0, bottom, x0, top, x1, top, x1, bottom};
        double* out = &vertices[8 * i];
        for (int c = 0; c < 8; c += 2) {
            Vector2 mapped = frame.apply(Vector2(corners[c], corners[c + 1]));
            out[c] = mapped.x;
            out[c + 1] = mapped.y;
        }
    }
}

bool DynamicTextDisplay::updateGeometry() {
    if (texCoordsDirty && font) {
        fillTexCoords();
        texCoordsDirty = false;
    }
    SceneNode* node = getNode();
    if (!node) {
        if (!geometryDirty)
            return false;
        mutableWorldBox() = localBox();
        mutableBound() = localBox().getBoundingBox();
        placeCharacters(WorldTransform());
        geometryDirty = false;
        return true;
    }
    const Vector2& position = node->getWorldPosition();
    const Vector2& orientation = node->getWorldOrientation();
    const Vector2& scale = node->getWorldScale();
    if (!geometryDirty && position == cachedPosition && orientation == cachedOrientation &&
        scale == cachedScale)
        return false;
    WorldTransform frame = WorldTransform::of(*node);
    OrientedBox& world = mutableWorldBox();
    world = localBox();
    world.transform(frame);
    mutableBound() = world.getBoundingBox();
    placeCharacters(frame);
    cachedPosition = position;
    cachedOrientation = orientation;
    cachedScale = scale;
    geometryDirty = false;
    return true;
}
