#pragma once

#include "core/ObjectFactory.h"
#include "core/Singleton.h"
#include "world/Component.h"

// Creates components by their registered type name; the caller owns what create returns.
class ComponentFactory : public ObjectFactory<Component>, public Singleton<ComponentFactory> {
protected:
    Component* storedCopy(const Component& prototype) const override { return prototype.clone(); }
};
