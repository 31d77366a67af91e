#include "core/Vector2.h"

#include <istream>
#include <ostream>

std::istream& operator>>(std::istream& in, Vector2& v) {
    char open = 0, separator = 0, close = 0;
    double x = 0.0, y = 0.0;
    in >> open >> x >> separator >> y >> close;
    if (in)
        v = Vector2(x, y);
    return in;
}

std::ostream& operator<<(std::ostream& out, const Vector2& v) {
    return out << '(' << v.x << ',' << v.y << ')';
}
