#pragma once

#include "core/Process.h"
#include "presentation/RenderOp.h"
#include "world/ComponentManager.h"

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Camera;
class Renderable;

// Draws one screen: collects the Renderable and Camera of every entity in its scene, draws the
// visible renderables once per frame through the main camera in z-order, and draws wrap-around
// copies of entities inside a screen-wrapping area. As a process of the scene it also drives the
// animation clock of every animated entity.
//
// Holds no ownership of components: entries leave when their component or entity leaves the
// scene. Lives as long as the screen that made it; must be disconnected or destroyed before its
// scene.
class RenderManager : public ComponentManager, public Process {
public:
    RenderManager() = default;
    ~RenderManager() override;

    // Draws the scene through the main camera. Without one, logs and draws nothing. Raises
    // "No video manager to render on." when there is no VideoManager.
    void render();
    Camera* getMainCamera() const { return mainCamera; }
    std::size_t renderableCount() const { return renderables.size(); }

    // The animation clock: advances the Animatable of each renderable's entity.
    void updateProcess(double seconds) override;
    bool deleteWhenKilled() const override { return false; }

    void componentAdded(Entity* entity, Component* component) override;
    void entityAdded(Entity* entity) override;
    void componentRemoved(Entity* entity, Component* component) override;
    void entityRemoved(Entity* entity) override;

private:
    // Ordered by the z-order taken when the renderable arrived, then by address. Keeping the key
    // instead of asking the renderable at every comparison keeps the set valid when a z-order
    // changes later (the entry simply does not move).
    struct Entry {
        double z;
        Renderable* renderable;
        bool operator<(const Entry& other) const;
    };
    // Three copies of a renderable's record (shifted horizontally, vertically and diagonally)
    // drawing from their own vertex arrays.
    struct WrapCopies {
        explicit WrapCopies(std::uint32_t vertexCount);
        std::array<RenderOp, 3> copies;
        std::array<std::vector<double>, 3> vertices;
    };

    void addRenderable(Renderable* renderable);
    void removeRenderable(const Component* component);
    void registerCamera(Camera* camera);
    void removeCamera(const Component* component);
    void queueWrapCopies(Renderable* renderable);
    void drawQueue();

    std::set<Entry> renderables;
    std::map<const Component*, Entry> entries;
    std::map<const Renderable*, std::unique_ptr<WrapCopies>> wrapCopies;
    std::map<std::string, Camera*> cameras;
    Camera* mainCamera = nullptr;
    std::vector<const RenderOp*> queue;
};
