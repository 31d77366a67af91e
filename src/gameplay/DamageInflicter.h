#pragma once

#include "world/Component.h"

#include <iosfwd>
#include <string>

class ParamList;

// The kinds of damage; each DamagedBy weighs them with its own factor.
enum class DamageType { Collision = 0, Explosion = 1, Bullet = 2, Missile = 3, Laser = 4, EMP = 5 };

constexpr int damageTypeCount = 6;

// Reads "Collision", "Explosion", "Bullet", "Missile", "Laser" or "EMP"; any other word fails the
// stream.
std::istream& operator>>(std::istream& in, DamageType& type);

// Says what an entity deals to whatever it touches: a kind of damage and a base amount.
class DamageInflicter : public Component {
public:
    static const std::string& typeName();

    explicit DamageInflicter(DamageType type = DamageType::Collision, int damage = 0)
        : type(type), damage(damage) {}
    // "type" and "damage" are required.
    static DamageInflicter* fromParams(const ParamList& params);

    const std::string& getType() const override { return typeName(); }
    Component* createNew(const ParamList& params) const override { return fromParams(params); }
    Component* clone() const override { return new DamageInflicter(type, damage); }

    DamageType getDamageType() const { return type; }
    int getDamage() const { return damage; }

private:
    DamageType type;
    int damage;
};
