#pragma once

#include "core/FactoryEvent.h"
#include "core/ParamList.h"
#include "core/myexception.h"
#include "support/RecordingListener.h"
#include "world/Component.h"
#include "world/Entity.h"

#include <string>
#include <vector>

// Counts builds and clones; "fail" makes creation raise its value; "sound..." are file names.
class ProbeComponent : public Component {
public:
    static inline int built = 0;
    static inline int cloned = 0;
    static void resetCounts() { built = cloned = 0; }

    const std::string& getType() const override {
        static const std::string type = "Probe";
        return type;
    }
    Component* createNew(const ParamList& params) const override {
        std::string failure;
        if (params.get("fail", failure) == ParamList::Found)
            throw myexception(failure);
        ++built;
        return make(params);
    }
    Component* clone() const override {
        ++cloned;
        return make(params);
    }
    bool isFilenameParam(const std::string& name) const override {
        return name.compare(0, 5, "sound") == 0;
    }
    // Records how many components the entity held when this one heard it was attached.
    void entityChanged(Entity* newEntity, Entity*) override {
        if (newEntity)
            componentsWhenAttached = static_cast<int>(newEntity->getComponents().size());
    }

    ParamList params;
    int componentsWhenAttached = -1;

    // A blank component of the same kind.
    virtual ProbeComponent* blank() const { return new ProbeComponent(); }

private:
    ProbeComponent* make(const ParamList& from) const {
        ProbeComponent* made = blank();
        made->params = from;
        return made;
    }
};

class OtherProbeComponent : public ProbeComponent {
public:
    const std::string& getType() const override {
        static const std::string type = "OtherProbe";
        return type;
    }
    ProbeComponent* blank() const override { return new OtherProbeComponent(); }
};

// "RoleProbe" also fills the role "Probe", so an entity holds at most one of the two.
class RoleProbeComponent : public ProbeComponent {
public:
    const std::string& getType() const override {
        static const std::string type = "RoleProbe";
        return type;
    }
    bool attach(Entity* entity) override { return attachAs({getType(), "Probe"}, entity); }
    ProbeComponent* blank() const override { return new RoleProbeComponent(); }
};

// An event that carries a "label", registered as "ProbeEvent".
class ProbeEvent : public FactoryEvent {
public:
    static constexpr int code = 0x7A1;

    ProbeEvent() : FactoryEvent(code, 0.0) {}
    ProbeEvent(const std::string& label, double time) : FactoryEvent(code, time), label(label) {}

    const std::string& getType() const override {
        static const std::string type = "ProbeEvent";
        return type;
    }
    FactoryEvent* createNew(const ParamList& params) const override {
        return new ProbeEvent(params.getText("label"), timeFrom(params));
    }
    FactoryEvent* clone(double time) const override { return new ProbeEvent(label, time); }

    std::string label;
};

// The labels of the ProbeEvents the listener heard, in order.
inline std::vector<std::string> labels(const RecordingListener& listener) {
    std::vector<std::string> result;
    for (const EventPtr& event : listener.heard)
        result.push_back(static_cast<const ProbeEvent&>(*event).label);
    return result;
}
