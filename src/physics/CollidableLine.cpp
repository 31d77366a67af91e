#include "physics/CollidableLine.h"

#include "core/ParamList.h"

#include <istream>

const std::string& CollidableLine::typeName() {
    static const std::string name = "CollidableLine";
    return name;
}

Component* CollidableLine::createNew(const ParamList& params) const {
    Axis newAxis = x;
    params.getRequired("axis", newAxis, typeName());
    return new CollidableLine(newAxis);
}

std::istream& operator>>(std::istream& in, CollidableLine::Axis& axis) {
    char first = 0;
    if (!(in >> first))
        return in;
    if (first == 'x' || first == 'X')
        axis = CollidableLine::x;
    else if (first == 'y' || first == 'Y')
        axis = CollidableLine::y;
    else
        in.setstate(std::ios::failbit);
    return in;
}
