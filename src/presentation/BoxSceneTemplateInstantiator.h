#pragma once

#include "core/Vector2.h"
#include "physics/AxisAlignedBox.h"
#include "world/RandomSource.h"
#include "world/SceneTemplateInstantiator.h"

// Places each spawn 64 units outside one side of a box, anywhere along that side stretched by an
// eighth of its length past each corner, facing across the box: straight across for a fixed
// side, towards a random point of the box's middle three quarters for a random one. Parameters:
// "side" ("Right", "Top", "Left" or "Bottom"; missing or empty: a random side per spawn) and
// "seed". A subclass says only where the box is, through findBox.
//
// Per spawn the draws come in this order: the side's first bit (random side only), the place
// along the side, the side's second bit, then the two of the aim point (random side only). A
// spawn that fails before its first draw (no template, scene or box, or a box without a
// positive finite width and height) uses none.
class BoxSceneTemplateInstantiator : public SceneTemplateInstantiator {
public:
    // The values stand for the words of "side"; RandomSide is the missing word.
    enum Side { Right = 0, Top = 1, Left = 2, Bottom = 3, RandomSide = 4 };

    static const std::string& typeName();

    const std::string& getType() const override { return typeName(); }
    // Restarts the random sequence on entering a scene.
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;
    SceneNode* instantiate(const SceneTemplatePtr& sceneTemplate) override;

    Side getSide() const { return side; }

protected:
    BoxSceneTemplateInstantiator() = default;
    // Raises "Invalid parameter for side." for a side word it does not know.
    explicit BoxSceneTemplateInstantiator(const ParamList& params);
    BoxSceneTemplateInstantiator(const BoxSceneTemplateInstantiator& other) = default;

    // The box to spawn around, in world coordinates; false when there is none at the moment.
    virtual bool findBox(AxisAlignedBox& box) const = 0;

private:
    // The spawn point and facing of the next spawn around the box. False with nothing drawn for
    // a degenerate box, and false after drawing when the result would not be finite.
    bool placeAround(const AxisAlignedBox& box, Vector2& position, Vector2& orientation);
    // Counter-clockwise quarter turns from the top side to the fixed side (0 top, 1 left,
    // 2 bottom, 3 right), or -1 for a random side.
    int fixedQuarterTurns() const;

    Side side = RandomSide;
    RandomSource random;
};
