#pragma once

#include "gameplay/DamagedBy.h"

#include <set>
#include <string>

// A DamagedBy that entities with the listed names never hurt: a ship's own bullets, for one.
// Guns add to the list as they fire (see BulletShooter).
class DamagedByWithExceptions : public DamagedBy {
public:
    static const std::string& typeName();

    DamagedByWithExceptions() = default;
    // The DamagedBy parameters, and the names "exception0", "exception1", ... up to the first
    // one that is missing or empty.
    static DamagedByWithExceptions* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new DamagedByWithExceptions(*this); }

    void collisionStarted(const CollidableEventPtr& event) override;

    void addException(const std::string& name) { exceptions.insert(name); }
    bool isException(const std::string& name) const { return exceptions.count(name) != 0; }

protected:
    void readExceptions(const ParamList& params);

private:
    std::set<std::string> exceptions;
};
