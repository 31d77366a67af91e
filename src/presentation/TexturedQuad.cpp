#include "presentation/TexturedQuad.h"

#include "core/ParamList.h"
#include "physics/WorldTransform.h"
#include "presentation/TextureManager.h"
#include "world/SceneNode.h"

#include <cstdint>

namespace {
const std::uint8_t quadIndices[4] = {0, 1, 2, 3};
} // namespace

TexturedQuad::TexturedQuad(const OrientedBox& localBox, double zOrder)
    : local(localBox), world(localBox), z(zOrder) {
    setVerticesFrom(local);
    bound = local.getBoundingBox();
    cornersOf(AxisAlignedBox(Vector2(0, 0), Vector2(1, 1)), texCoords);
    op.primitive = RenderOp::Quads;
    op.indexType = RenderOp::UnsignedByte;
    op.indexCount = 4;
    op.indices = quadIndices;
    op.vertexCount = 4;
    pointRenderOpAtArrays();
}

TexturedQuad::TexturedQuad(const OrientedBox& localBox, double zOrder,
                           const AxisAlignedBox& texCoordRect, const std::string& textureFile)
    : TexturedQuad(localBox, zOrder) {
    setTexCoords(texCoordRect);
    op.texture = loadTexture(textureFile);
}

TexturedQuad::TexturedQuad(const TexturedQuad& other)
    : Renderable(other), local(other.local), world(other.world), z(other.z),
      vertices(other.vertices), texCoords(other.texCoords), bound(other.bound), op(other.op),
      cachedPosition(other.cachedPosition), cachedOrientation(other.cachedOrientation),
      cachedScale(other.cachedScale), geometryDirty(other.geometryDirty) {
    pointRenderOpAtArrays();
}

void TexturedQuad::pointRenderOpAtArrays() {
    op.vertices = vertices.data();
    op.texCoords = texCoords.data();
}

TexturePtr TexturedQuad::loadTexture(const std::string& textureFile) {
    TexturePtr texture = TextureManager::getSingleton().getTexture(textureFile);
    if (texture)
        texture->load();
    return texture;
}

Colour TexturedQuad::colourFrom(const ParamList& params) {
    Colour colour;
    params.get("color", colour);
    double alpha = 1.0;
    params.get("alpha", alpha);
    colour.alpha = Colour::clampUnit(alpha);
    return colour;
}

void TexturedQuad::cornersOf(const AxisAlignedBox& box, std::array<double, 8>& out) {
    out = {box.min.x, box.min.y, box.min.x, box.max.y, box.max.x, box.max.y, box.max.x, box.min.y};
}

void TexturedQuad::setTexCoords(const AxisAlignedBox& rectangle) {
    cornersOf(rectangle, texCoords);
}

void TexturedQuad::setVerticesFrom(const AxisAlignedBox& box) {
    cornersOf(box, vertices);
}

void TexturedQuad::setVerticesFrom(const OrientedBox& box) {
    const auto& corners = box.getCorners();
    for (int i = 0; i < 4; ++i) {
        vertices[2 * i] = corners[i].x;
        vertices[2 * i + 1] = corners[i].y;
    }
}

void TexturedQuad::setLocalBox(const OrientedBox& box) {
    local = box;
    world = box;
    setVerticesFrom(world);
    bound = world.getBoundingBox();
    geometryDirty = true;
}

bool TexturedQuad::updateGeometry() {
    SceneNode* node = getNode();
    if (!node) {
        // A quad without a node stays where its local box says, but a changed box must still
        // reach the vertices.
        if (!geometryDirty)
            return false;
        world = local;
        setVerticesFrom(world);
        bound = world.getBoundingBox();
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
    world = local;
    world.transform(frame);
    setVerticesFrom(world);
    // Kept with the geometry rather than in getBoundingBox, so that a recompute triggered by
    // worldBox() or renderOperation() cannot leave a stale bound behind for culling.
    bound = world.getBoundingBox();
    cachedPosition = position;
    cachedOrientation = orientation;
    cachedScale = scale;
    geometryDirty = false;
    return true;
}

RenderOp* TexturedQuad::renderOperation() {
    updateGeometry();
    return &op;
}

const OrientedBox& TexturedQuad::worldBox() {
    updateGeometry();
    return world;
}

const AxisAlignedBox& TexturedQuad::getBoundingBox() {
    updateGeometry();
    return bound;
}
