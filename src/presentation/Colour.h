#pragma once

#include <iosfwd>

// A tint with opacity, each channel in 0..1.
struct Colour {
    double red = 1.0;
    double green = 1.0;
    double blue = 1.0;
    double alpha = 1.0;

    constexpr Colour() = default;
    constexpr Colour(double red, double green, double blue, double alpha = 1.0)
        : red(red), green(green), blue(blue), alpha(alpha) {}

    constexpr bool operator==(const Colour& o) const {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
    constexpr bool operator!=(const Colour& o) const { return !(*this == o); }

    // Opacity outside 0..1 would make GL blending brighten or invert what lies below.
    static double clampUnit(double value) { return value < 0.0 ? 0.0 : value > 1.0 ? 1.0 : value; }
};

// Text form of the "color" parameter, like a Vector2 with three numbers: one character, red, one
// character, green, one character, blue, one character, e.g. "(1,0.5,0)". Alpha is untouched. On
// a failure the colour is left unchanged.
std::istream& operator>>(std::istream& in, Colour& colour);
std::ostream& operator<<(std::ostream& out, const Colour& colour);
