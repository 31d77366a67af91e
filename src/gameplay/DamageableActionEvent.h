#pragma once

#include "core/FactoryEvent.h"

#include <iosfwd>

// Changes the hit points of the entity it reaches (see Damageable). Data files name it
// "DamageableAction".
class DamageableActionEvent : public FactoryEvent {
public:
    enum Action { SetHP = 0, ChangeHP = 1, RestoreHP = 2, ScaleHP = 3 };

    explicit DamageableActionEvent(Action action = RestoreHP, int hp = 0, double real = 0.0,
                                   double time = 0.0)
        : FactoryEvent(EventType::DamageableAction, time), action(action), hp(hp), real(real) {}

    static const std::string& typeName();
    const std::string& getType() const override { return typeName(); }
    // "action" is required; "hp" too for SetHP and ChangeHP, "real" for ScaleHP.
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override {
        return new DamageableActionEvent(action, hp, real, time);
    }

    Action getAction() const { return action; }
    int getHP() const { return hp; }
    double getReal() const { return real; }

private:
    Action action;
    int hp;
    double real;
};

typedef boost::shared_ptr<DamageableActionEvent> DamageableActionEventPtr;

// Reads "SetHP", "ChangeHP", "RestoreHP" or "ScaleHP"; any other word fails the stream.
std::istream& operator>>(std::istream& in, DamageableActionEvent::Action& action);
