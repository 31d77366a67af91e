#pragma once

#include <cmath>
#include <iosfwd>

// Positions, velocities, scales and orientations. An orientation is the unit vector
// (cos a, sin a); turning by it is the complex product.
struct Vector2 {
    double x = 0.0;
    double y = 0.0;

    constexpr Vector2() = default;
    constexpr Vector2(double x, double y) : x(x), y(y) {}

    constexpr Vector2 operator+(const Vector2& o) const { return {x + o.x, y + o.y}; }
    constexpr Vector2 operator-(const Vector2& o) const { return {x - o.x, y - o.y}; }
    constexpr Vector2 operator-() const { return {-x, -y}; }
    constexpr Vector2 operator*(double s) const { return {x * s, y * s}; }
    constexpr Vector2 operator/(double s) const { return {x / s, y / s}; }
    Vector2& operator+=(const Vector2& o) {
        x += o.x;
        y += o.y;
        return *this;
    }
    Vector2& operator-=(const Vector2& o) {
        x -= o.x;
        y -= o.y;
        return *this;
    }
    Vector2& operator*=(double s) {
        x *= s;
        y *= s;
        return *this;
    }
    constexpr bool operator==(const Vector2& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(const Vector2& o) const { return !(*this == o); }

    constexpr double dot(const Vector2& o) const { return x * o.x + y * o.y; }
    // z of the 3D cross product: positive when o lies counter-clockwise of this.
    constexpr double cross(const Vector2& o) const { return x * o.y - y * o.x; }
    constexpr double lengthSquared() const { return x * x + y * y; }
    double length() const { return std::sqrt(lengthSquared()); }
    // Complex product: turns this vector by the orientation o.
    constexpr Vector2 rotatedBy(const Vector2& o) const {
        return {x * o.x - y * o.y, x * o.y + y * o.x};
    }
    // Multiplies componentwise (scales).
    constexpr Vector2 scaledBy(const Vector2& s) const { return {x * s.x, y * s.y}; }
    // Conjugate of an orientation: the inverse turn.
    constexpr Vector2 conjugate() const { return {x, -y}; }
    // A zero vector stays zero instead of becoming NaN.
    Vector2 normalised() const {
        double len = length();
        return len > 0.0 ? Vector2(x / len, y / len) : Vector2();
    }
    static Vector2 fromAngle(double radians) { return {std::cos(radians), std::sin(radians)}; }
    double angle() const { return std::atan2(y, x); }
};

constexpr Vector2 operator*(double s, const Vector2& v) {
    return v * s;
}

// Text form: one character, x, one character, y, one character, e.g. "(3,4)".
std::istream& operator>>(std::istream& in, Vector2& v);
std::ostream& operator<<(std::ostream& out, const Vector2& v);
