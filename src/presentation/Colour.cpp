#include "presentation/Colour.h"

#include <istream>
#include <ostream>

std::istream& operator>>(std::istream& in, Colour& colour) {
    char open = 0, firstSeparator = 0, secondSeparator = 0, close = 0;
    double red = 0.0, green = 0.0, blue = 0.0;
    in >> open >> red >> firstSeparator >> green >> secondSeparator >> blue >> close;
    if (in) {
        colour.red = red;
        colour.green = green;
        colour.blue = blue;
    }
    return in;
}

std::ostream& operator<<(std::ostream& out, const Colour& colour) {
    return out << '(' << colour.red << ',' << colour.green << ',' << colour.blue << ')';
}
