#pragma once

// The part of a quad that shows, as a fraction of its width: status bars fill and drain by
// changing the occlusion between 0 and 1, which maps linearly onto minPos..maxPos. A maxPos below
// minPos keeps the right part of the quad instead of the left.
class OccludedQuad {
public:
    virtual ~OccludedQuad() = default;

    virtual void setOcclusion(double value);
    virtual double getOcclusion() const { return occlusion; }
    virtual void setMinPos(double value);
    virtual double getMinPos() const { return minPos; }
    virtual void setMaxPos(double value);
    virtual double getMaxPos() const { return maxPos; }

    double getVisibleFraction() const { return visibleFraction; }

protected:
    OccludedQuad(double minPos, double maxPos, double occlusion);

private:
    double minPos;
    double maxPos;
    double occlusion = 1.0;
    double visibleFraction = 1.0;
};
