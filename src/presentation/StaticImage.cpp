#include "presentation/StaticImage.h"

#include "core/ParamList.h"

#include <memory>

namespace {
const char* const errorContext = "Error creating StaticImage:";
} // namespace

const std::string& StaticImage::typeName() {
    static const std::string name = "StaticImage";
    return name;
}

StaticImage::StaticImage(const OrientedBox& localBox, double zOrder,
                         const AxisAlignedBox& texCoords, const std::string& textureFile)
    : TexturedQuad(localBox, zOrder, texCoords, textureFile) {}

StaticImage* StaticImage::fromParams(const ParamList& params) {
    std::string fileName;
    params.getRequired("filename", fileName, errorContext);
    AxisAlignedBox texCoords;
    params.getRequired("texCoord", texCoords, errorContext);
    double zOrder = 0.0;
    params.getRequired("zOrder", zOrder, errorContext);
    std::unique_ptr<Bound> shape(OrientedBox().createNew(params));
    auto box = dynamic_cast<const OrientedBox*>(shape.get());
    auto image = new StaticImage(box ? *box : OrientedBox(), zOrder, texCoords, fileName);
    image->setColour(colourFrom(params));
    return image;
}
