#pragma once

#include "gameplay/PlayingAreaEvent.h"
#include "physics/AxisAlignedBox.h"
#include "physics/CollidableLineListener.h"
#include "world/Component.h"

#include <array>

class SceneNode;

// A level's playable box, placed by its entity's world position only (the entity's rotation and
// scale are not applied to the box, though the border lines, being child nodes, would follow
// them: an area belongs on an unturned, unscaled entity). While its entity is in a scene it
// keeps four border lines, entities named after its own ("<name>-topline", "-bottomline",
// "-leftline", "-rightline") on child nodes of its node, and turns their crossings into
// PlayingAreaEvents: to the crossing entity, then to the area's entity, then to the scene.
//
// The area owns exactly the lines it made: it removes them when its entity leaves a scene (or
// the area is destroyed) and never picks up another entity's line by its name.
class PlayingArea : public Component, public CollidableLineListener {
public:
    static const std::string& typeName();

    explicit PlayingArea(const AxisAlignedBox& area = AxisAlignedBox()) : area(area) {}
    PlayingArea(const PlayingArea& other)
        : Component(other), CollidableLineListener(other), area(other.area) {}
    ~PlayingArea() override;

    const std::string& getType() const override { return typeName(); }
    // "area" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new PlayingArea(*this); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void lineCrossed(const CollidableLineEventPtr& event) override;

    const AxisAlignedBox& getArea() const { return area; }
    // The area moved by its entity's world position; the area itself without a node.
    AxisAlignedBox getWorldArea() const;
    // The node of the border line on that side, or null while there is none.
    SceneNode* getLine(AreaSide side) const;

private:
    void makeLines();
    void removeLines();

    AxisAlignedBox area;
    // The node the lines hang under; null outside a scene. It outlives the area's stay in the
    // scene, since its leaving is always announced first.
    SceneNode* home = nullptr;
    // Indexed by AreaSide. A line somebody else deleted is no longer a child of home and is
    // ignored from then on.
    std::array<SceneNode*, 4> lines{};
};
