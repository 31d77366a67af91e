#pragma once

#include "presentation/Colour.h"
#include "presentation/Texture.h"

#include <cstdint>

// One draw call as the RenderManager issues it. The record never owns its arrays: they belong to
// the renderable that made it (or to a wrap-copy record) and must outlive the render pass that
// queued it.
struct RenderOp {
    enum Primitive : std::uint32_t { Quads = 0, LineStrip = 1 };
    enum IndexType : std::uint32_t { UnsignedByte = 0, UnsignedShort = 1, UnsignedInt = 2 };

    Primitive primitive = Quads;
    IndexType indexType = UnsignedByte;
    std::uint32_t indexCount = 0;
    const void* indices = nullptr;
    std::uint32_t vertexCount = 0;
    // x, y per vertex, tightly packed.
    const double* vertices = nullptr;
    // May be empty: the primitive is then drawn in its plain colour.
    TexturePtr texture;
    Colour colour;
    // s, t per vertex, tightly packed.
    const double* texCoords = nullptr;
};
