#pragma once

#include "core/Process.h"
#include "gameplay/PlayingAreaListener.h"
#include "presentation/ScreenWrapSource.h"
#include "world/Component.h"
#include "world/SceneListener.h"

class PlayingArea;

// Makes its entity come back in at the opposite border when it leaves the named playing area,
// once it has been wholly inside it (its own and its descendants' collision and render boxes,
// in world space). While its entity is in a scene it listens on the scene for the area's entity
// to come and go, and on the area's entity for crossings. The inside check runs as a process
// of the scene only while it may succeed: from an arrival in the area (this entity's or another's,
// which may be what brings this entity's parts in) until the entity is wholly inside or leaves.
class ScreenWrapper : public Component,
                      public Process,
                      public SceneListener,
                      public PlayingAreaListener,
                      public ScreenWrapSource {
public:
    static const std::string& typeName();

    explicit ScreenWrapper(const std::string& playingAreaName = std::string())
        : playingAreaName(playingAreaName) {}

    const std::string& getType() const override { return typeName(); }
    // "playingArea" is required.
    Component* createNew(const ParamList& params) const override;
    Component* clone() const override { return new ScreenWrapper(playingAreaName); }
    void managerChanged(SceneManager* newManager, SceneManager* oldManager) override;

    void entityEntered(const SceneEventPtr& event) override;
    void entityLeft(const SceneEventPtr& event) override;
    void areaEntered(const PlayingAreaEventPtr& event) override;
    void areaLeft(const PlayingAreaEventPtr& event) override;

    void updateProcess(double seconds) override;
    bool deleteWhenKilled() const override { return false; }

    // Wrapping is active once the area is found and the entity has been wholly inside it.
    bool activeWrapArea(AxisAlignedBox& area) const override;
    void checkIfInArea();
    bool isInArea() const { return inArea; }
    bool isChecking() const { return getManager() && !isKilled(); }

private:
    PlayingArea* findArea() const;
    void watch(Entity* area);
    void unwatch();
    void startChecking();
    void stopChecking();
    bool originInArea() const;

    std::string playingAreaName;
    bool inArea = false;
    // The area's entity while it is in this entity's scene.
    Entity* areaEntity = nullptr;
    SceneManager* scene = nullptr;
};
