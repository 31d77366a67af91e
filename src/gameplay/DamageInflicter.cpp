#include "gameplay/DamageInflicter.h"

#include "core/ParamList.h"

#include <istream>

namespace {
const char* const damageTypeNames[damageTypeCount] = {"Collision", "Explosion", "Bullet",
                                                      "Missile",   "Laser",     "EMP"};
}

std::istream& operator>>(std::istream& in, DamageType& type) {
    std::string word;
    if (!(in >> word))
        return in;
    for (int index = 0; index < damageTypeCount; ++index) {
        if (word == damageTypeNames[index]) {
            type = static_cast<DamageType>(index);
            return in;
        }
    }
    in.setstate(std::ios::failbit);
    return in;
}

const std::string& DamageInflicter::typeName() {
    static const std::string type = "DamageInflicter";
    return type;
}

DamageInflicter* DamageInflicter::fromParams(const ParamList& params) {
    DamageType type = DamageType::Collision;
    int damage = 0;
    params.getRequired("type", type, typeName());
    params.getRequired("damage", damage, typeName());
    return new DamageInflicter(type, damage);
}
