#pragma once

#include "physics/AxisAlignedBox.h"
#include "physics/OrientedBox.h"
#include "presentation/Colour.h"
#include "presentation/RenderOp.h"
#include "presentation/Renderable.h"

#include <array>
#include <string>

class ParamList;

// One textured, coloured rectangle whose corners follow the owning entity's world transform.
// The base of images, animations and text.
//
// Corner order, for vertices and texture coordinates alike, of a rectangle (x0, y0)-(x1, y1):
// (x0, y0), (x0, y1), (x1, y1), (x1, y0). The render operation points into this object's own
// arrays; a copy points into its own. The texture is shared with the TextureManager and with
// copies, and released when the quad goes.
class TexturedQuad : public Renderable {
public:
    RenderOp* renderOperation() override;
    double zOrder() const override { return z; }
    const OrientedBox& worldBox() override;
    const OrientedBox& localBox() const override { return local; }
    // Brings the geometry up to date; the world-space extent of the quad.
    const AxisAlignedBox& getBoundingBox() override;

    // Recomputes the world geometry when the entity's world transform changed (or the geometry
    // was marked dirty); true when it did. Without an entity node the quad stays in the
    // coordinates of its local box.
    virtual bool updateGeometry();

    const Colour& getColour() const { return op.colour; }
    void setColour(const Colour& colour) { op.colour = colour; }
    const TexturePtr& getTexture() const { return op.texture; }
    void setTexture(const TexturePtr& texture) { op.texture = texture; }
    // Texture coordinates := corners of the rectangle.
    void setTexCoords(const AxisAlignedBox& rectangle);
    const std::array<double, 8>& getVertices() const { return vertices; }
    const std::array<double, 8>& getTexCoords() const { return texCoords; }

protected:
    TexturedQuad(const OrientedBox& localBox, double zOrder);
    // A quad of an image file: the texture is fetched from the TextureManager and loaded at once.
    // Raises the singleton message when there is no TextureManager.
    TexturedQuad(const OrientedBox& localBox, double zOrder, const AxisAlignedBox& texCoords,
                 const std::string& textureFile);
    TexturedQuad(const TexturedQuad& other);

    // Replaces the local box; world box, vertices and bound restart from it, and the next update
    // recomputes them for the entity's transform.
    void setLocalBox(const OrientedBox& box);
    // Vertices := corners of the given box (the world box unless a subclass shapes it).
    void setVerticesFrom(const OrientedBox& box);
    void setVerticesFrom(const AxisAlignedBox& box);
    void markGeometryDirty() { geometryDirty = true; }
    // The world box as last computed, without an update (safe inside updateGeometry).
    const OrientedBox& currentWorldBox() const { return world; }
    OrientedBox& mutableWorldBox() { return world; }
    AxisAlignedBox& mutableBound() { return bound; }
    RenderOp& mutableRenderOp() { return op; }

    // The "alpha" (clamped to 0..1, default 1) and "color" (default (1, 1, 1)) parameters.
    static Colour colourFrom(const ParamList& params);
    // Loads a texture by file name through the TextureManager.
    static TexturePtr loadTexture(const std::string& textureFile);

private:
    static void cornersOf(const AxisAlignedBox& box, std::array<double, 8>& out);
    void pointRenderOpAtArrays();

    OrientedBox local;
    OrientedBox world;
    double z;
    std::array<double, 8> vertices{};
    std::array<double, 8> texCoords{};
    AxisAlignedBox bound;
    RenderOp op;
    Vector2 cachedPosition{0, 0};
    Vector2 cachedOrientation{1, 0};
    Vector2 cachedScale{1, 1};
    bool geometryDirty = false;
};
