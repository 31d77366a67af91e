#include "presentation/Renderable.h"

const std::string& Renderable::roleName() {
    static const std::string name = "Renderable";
    return name;
}

bool Renderable::attach(Entity* entity) {
    return attachAs({getType(), roleName()}, entity);
}
