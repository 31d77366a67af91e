#pragma once

#include "presentation/Animatable.h"
#include "presentation/OccludedQuad.h"

// An animation of which only a fraction of the width shows, in texture and in geometry alike:
// status bars. Registered as "OccludedAnimatable", and under "Animatable" and "Renderable".
class OccludedAnimatable : public Animatable, public OccludedQuad {
public:
    static const std::string& typeName();

    explicit OccludedAnimatable(double zOrder = 0.0, double minPos = 0.0, double maxPos = 1.0,
                                double occlusion = 1.0);
    OccludedAnimatable(const OccludedAnimatable& other) = default;
    // Parameters of Animatable plus "minPos" (0), "maxPos" (1) and "occlusion" (1).
    static OccludedAnimatable* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new OccludedAnimatable(*this); }

    void setAnimation(const std::string& name, double time) override;
    bool updateGeometry() override;
    // The clipped geometry follows at the next update, not only the texture.
    void setOcclusion(double value) override;

private:
    // The kept part of a rectangle's width: the left part, or the right one when maxPos is
    // below minPos.
    AxisAlignedBox clipped(const AxisAlignedBox& rectangle) const;
};
