#pragma once

#include <iosfwd>
#include <string>

// What the player can do, independent of which key or button does it.
enum class PlayerActionType {
    Thrust = 0,
    TurnRight = 1,
    TurnLeft = 2,
    Brake = 3,
    StepLeft = 4,
    StepRight = 5,
    Ping = 6,
    Shield = 7,
    Shoot = 8
};

// The exact name that parameters and scripts use, e.g. "TurnLeft".
const std::string& playerActionName(PlayerActionType action);
// Reads one of the exact, case-sensitive names; anything else sets the fail state and leaves
// the action unchanged.
std::istream& operator>>(std::istream& in, PlayerActionType& action);
std::ostream& operator<<(std::ostream& out, PlayerActionType action);
