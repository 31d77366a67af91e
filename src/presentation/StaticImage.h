#pragma once

#include "presentation/TexturedQuad.h"

// One picture from an image file on a rectangle of the entity. Registered as "StaticImage".
class StaticImage : public TexturedQuad {
public:
    static const std::string& typeName();

    // An empty image without texture: the prototype the factory copies.
    StaticImage() : TexturedQuad(OrientedBox(), 0.0) {}
    // texCoords is the part of the texture shown (0..1 spans the image).
    StaticImage(const OrientedBox& localBox, double zOrder, const AxisAlignedBox& texCoords,
                const std::string& textureFile);
    // Parameters: "filename", "texCoord", "zOrder" (required), the OrientedBox shape parameters,
    // "alpha" and "color". Missing or bad required ones raise with the prefix
    // "Error creating StaticImage:".
    static StaticImage* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new StaticImage(*this); }
    bool isFilenameParam(const std::string& name) const override { return name == "filename"; }

protected:
    StaticImage(const StaticImage& other) = default;
};
