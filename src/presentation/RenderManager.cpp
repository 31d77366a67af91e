#include "presentation/RenderManager.h"

#include "core/LogFile.h"
#include "core/myexception.h"
#include "presentation/Animatable.h"
#include "presentation/Camera.h"
#include "presentation/Renderable.h"
#include "presentation/ScreenWrapSource.h"
#include "presentation/VideoManager.h"
#include "world/ComponentRegistry.h"
#include "world/Entity.h"
#include "world/SceneNode.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <functional>

namespace {
GLenum glPrimitive(RenderOp::Primitive primitive) {
    return primitive == RenderOp::LineStrip ? GL_LINE_STRIP : GL_QUADS;
}

GLenum glIndexType(RenderOp::IndexType type) {
    switch (type) {
    case RenderOp::UnsignedShort:
        return GL_UNSIGNED_SHORT;
    case RenderOp::UnsignedInt:
        return GL_UNSIGNED_INT;
    default:
        return GL_UNSIGNED_BYTE;
    }
}

// Blending and the texture environment, switched only when a draw needs them changed; back to
// blending and modulation, what the rest of the frame expects, at the end of the pass.
class DrawState {
public:
    DrawState() {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    ~DrawState() { set(true, false); }
    DrawState(const DrawState&) = delete;
    DrawState& operator=(const DrawState&) = delete;

    void set(bool blend, bool replace) {
        if (blend != blending)
            blend ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
        if (replace != replacing)
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, replace ? GL_REPLACE : GL_MODULATE);
        blending = blend;
        replacing = replace;
    }

private:
    bool blending = true;
    bool replacing = false;
};

bool overlaps(const AxisAlignedBox& bound, const AxisAlignedBox& view) {
    return bound.max.x > view.min.x && view.max.x > bound.min.x && bound.max.y > view.min.y &&
           view.max.y > bound.min.y;
}
} // namespace

bool RenderManager::Entry::operator<(const Entry& other) const {
    if (z != other.z)
        return z < other.z;
    return std::less<const Renderable*>()(renderable, other.renderable);
}

RenderManager::WrapCopies::WrapCopies(std::uint32_t vertexCount) {
    for (auto& array : vertices)
        array.assign(2 * static_cast<std::size_t>(vertexCount), 0.0);
}

RenderManager::~RenderManager() = default;

// Registration ------------------------------------------------------------------------------

void RenderManager::entityAdded(Entity* entity) {
    if (!entity)
        return;
    if (auto renderable = entity->getComponent<Renderable>(Renderable::roleName()))
        addRenderable(renderable);
    if (auto camera = entity->getComponent<Camera>(Camera::typeName()))
        registerCamera(camera);
}

void RenderManager::componentAdded(Entity* entity, Component* component) {
    if (!entity || !component)
        return;
    if (ComponentRegistry::getComponent(Renderable::roleName(), entity) == component)
        addRenderable(dynamic_cast<Renderable*>(component));
    if (ComponentRegistry::getComponent(Camera::typeName(), entity) == component)
        registerCamera(dynamic_cast<Camera*>(component));
}

// A component that is being destroyed announces its removal from the base destructor, when its
// own parts are already gone; so removal goes by address only and never calls into it.
void RenderManager::componentRemoved(Entity*, Component* component) {
    removeRenderable(component);
    removeCamera(component);
}

void RenderManager::entityRemoved(Entity* entity) {
    if (!entity)
        return;
    removeRenderable(ComponentRegistry::getComponent(Renderable::roleName(), entity));
    removeCamera(ComponentRegistry::getComponent(Camera::typeName(), entity));
}

void RenderManager::addRenderable(Renderable* renderable) {
    if (!renderable)
        return;
    const Component* key = renderable;
    if (entries.count(key))
        return;
    Entry entry{renderable->zOrder(), renderable};
    renderables.insert(entry);
    entries.emplace(key, entry);
}

void RenderManager::removeRenderable(const Component* component) {
    if (!component)
        return;
    auto found = entries.find(component);
    if (found == entries.end())
        return;
    renderables.erase(found->second);
    wrapCopies.erase(found->second.renderable);
    entries.erase(found);
}

void RenderManager::registerCamera(Camera* camera) {
    if (!camera)
        return;
    Entity* entity = camera->getEntity();
    std::string name = entity ? entity->getName() : std::string();
    auto found = cameras.find(name);
    if (found != cameras.end()) {
        if (found->second != camera)
            VideoManager::writeLog("Duplicate camera name '" + name + "' in RenderManager.",
                                   LogFile::Important, false);
        return;
    }
    cameras.emplace(name, camera);
    if (!mainCamera)
        mainCamera = camera;
}

void RenderManager::removeCamera(const Component* component) {
    if (!component)
        return;
    for (auto entry = cameras.begin(); entry != cameras.end(); ++entry) {
        if (static_cast<const Component*>(entry->second) == component) {
            cameras.erase(entry);
            break;
        }
    }
    if (mainCamera && static_cast<const Component*>(mainCamera) == component)
        mainCamera = nullptr;
}

// Drawing -----------------------------------------------------------------------------------

void RenderManager::render() {
    if (!mainCamera) {
        VideoManager::writeLog("Error: No main camera, unable to render scene.", LogFile::Detail,
                               false);
        return;
    }
    // Checked before the first GL call rather than at the first draw: without a video manager
    // there is no GL context to call into.
    if (!VideoManager::getSingletonPtr())
        throw myexception("No video manager to render on.");

    OrientedBox view = mainCamera->getViewRect();
    const AxisAlignedBox& rect = view.getLocalBox();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(rect.min.x, rect.max.x, rect.min.y, rect.max.y, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    AxisAlignedBox extent = view.getBoundingBox();
    for (const Entry& entry : renderables) {
        Renderable* renderable = entry.renderable;
        if (overlaps(renderable->getBoundingBox(), extent)) {
            if (const RenderOp* op = renderable->renderOperation())
                queue.push_back(op);
        }
        queueWrapCopies(renderable);
    }
    drawQueue();
    queue.clear();
}

void RenderManager::queueWrapCopies(Renderable* renderable) {
    // The wrapper sits on the renderable's entity or on the nearest ancestor that has one (a
    // ship's flame wraps with the ship).
    Component* wrapper = nullptr;
    for (Entity* entity = renderable->getEntity(); entity && !wrapper;
         entity = entity->getParentEntity())
        wrapper = ComponentRegistry::getComponent("ScreenWrapper", entity);
    const auto* source = dynamic_cast<const ScreenWrapSource*>(wrapper);
    AxisAlignedBox area;
    if (!source || !source->activeWrapArea(area))
        return;
    const RenderOp* op = renderable->renderOperation();
    SceneNode* wrapperNode = wrapper->getNode();
    if (!op || !op->vertices || !wrapperNode)
        return;
    std::unique_ptr<WrapCopies>& record = wrapCopies[renderable];
    if (!record)
        record.reset(new WrapCopies(op->vertexCount));
    std::size_t values = 2 * static_cast<std::size_t>(op->vertexCount);
    if (record->vertices[0].size() != values)
        return;

    Vector2 size = area.getSize();
    Vector2 centre = area.getCenter();
    const Vector2& position = wrapperNode->getWorldPosition();
    // An entity in the left (lower) half is seen again beyond the right (upper) edge.
    double shiftX = position.x <= centre.x ? size.x : -size.x;
    double shiftY = position.y <= centre.y ? size.y : -size.y;
    const Vector2 shifts[3] = {{shiftX, 0.0}, {0.0, shiftY}, {shiftX, shiftY}};
    for (int copy = 0; copy < 3; ++copy) {
        std::vector<double>& vertices = record->vertices[copy];
        std::copy(op->vertices, op->vertices + values, vertices.begin());
        for (std::size_t i = 0; i < values; i += 2) {
            vertices[i] += shifts[copy].x;
            vertices[i + 1] += shifts[copy].y;
        }
        record->copies[copy] = *op;
        record->copies[copy].vertices = vertices.data();
        queue.push_back(&record->copies[copy]);
    }
}

void RenderManager::drawQueue() {
    DrawState state;
    if (!glIsEnabled(GL_TEXTURE_2D))
        glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    const Colour plain;
    for (const RenderOp* op : queue) {
        if (!op->vertices || !op->indices || op->indexCount == 0)
            continue;
        // A record without a texture binds none as well, so it cannot pick up the picture of
        // the record drawn before it.
        GLuint textureName = 0;
        bool opaque = false;
        if (op->texture) {
            op->texture->load();
            if (op->texture->getState() == Resource::Loaded && !op->texture->loadFailed()) {
                textureName = op->texture->getTextureName();
                opaque = op->texture->isOpaque();
            }
        }
        // Two shortcuts that change no pixel and spare a software renderer much of the work of
        // a full-screen backdrop: an opaque picture at full opacity covers what lies below
        // without blending, and a picture in plain white is copied, not multiplied by white.
        state.set(!(opaque && op->colour.alpha >= 1.0), textureName != 0 && op->colour == plain);
        glBindTexture(GL_TEXTURE_2D, textureName);
        glColor4d(op->colour.red, op->colour.green, op->colour.blue, op->colour.alpha);
        glVertexPointer(2, GL_DOUBLE, 0, op->vertices);
        // A line strip may come without texture coordinates; the array must not be read then.
        if (op->texCoords)
            glTexCoordPointer(2, GL_DOUBLE, 0, op->texCoords);
        else
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDrawElements(glPrimitive(op->primitive), static_cast<GLsizei>(op->indexCount),
                       glIndexType(op->indexType), op->indices);
        if (!op->texCoords)
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
}

// Animation clock -----------------------------------------------------------------------------

void RenderManager::updateProcess(double seconds) {
    std::vector<Renderable*> snapshot;
    snapshot.reserve(renderables.size());
    for (const Entry& entry : renderables)
        snapshot.push_back(entry.renderable);
    for (Renderable* renderable : snapshot) {
        // An animation's end may take entities out of the scene; theirs are skipped.
        if (!entries.count(renderable))
            continue;
        Entity* entity = renderable->getEntity();
        auto animatable =
            entity ? entity->getComponent<Animatable>(Animatable::typeName()) : nullptr;
        if (animatable)
            animatable->advance(seconds);
    }
}
