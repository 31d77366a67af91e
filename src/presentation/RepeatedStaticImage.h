#pragma once

#include "presentation/StaticImage.h"

// A picture tiled across the view of a camera, for backgrounds. The tiles stay on the grid of
// the image's own position, so the background does not swim when the camera moves. Registered
// as "RepeatedStaticImage".
//
// The camera is looked up by its entity's name in the image's scene on every update; without it
// the image behaves as a plain StaticImage.
class RepeatedStaticImage : public StaticImage {
public:
    static const std::string& typeName();

    // An empty image without texture or camera: the prototype the factory copies.
    RepeatedStaticImage() : repeatX(false), repeatY(false) {}
    // Parameters of StaticImage plus "camera", "repeatX" and "repeatY" (all required).
    static RepeatedStaticImage* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new RepeatedStaticImage(*this); }

    bool updateGeometry() override;

    const std::string& getCameraName() const { return cameraName; }
    bool getRepeatX() const { return repeatX; }
    bool getRepeatY() const { return repeatY; }

private:
    RepeatedStaticImage(const StaticImage& image, const std::string& cameraName, bool repeatX,
                        bool repeatY);
    RepeatedStaticImage(const RepeatedStaticImage& other) = default;

    std::string cameraName;
    bool repeatX;
    bool repeatY;
    // Also the image's bound: a tiled image always covers the view.
    AxisAlignedBox viewExtent;
    bool viewComputed = false;
    Vector2 cachedCameraPosition{0, 0};
    Vector2 cachedCameraOrientation{1, 0};
    Vector2 cachedCameraScale{1, 1};
};
