#include "core/PlayerActionType.h"

#include <array>
#include <istream>
#include <ostream>

namespace {

const std::array<std::string, 9>& names() {
    static const std::array<std::string, 9> table = {"Thrust", "TurnRight", "TurnLeft",
                                                     "Brake",  "StepLeft",  "StepRight",
                                                     "Ping",   "Shield",    "Shoot"};
    return table;
}

} // namespace

const std::string& playerActionName(PlayerActionType action) {
    return names().at(static_cast<std::size_t>(action));
}

std::istream& operator>>(std::istream& in, PlayerActionType& action) {
    std::string word;
    if (!(in >> word))
        return in;
    for (std::size_t i = 0; i < names().size(); ++i) {
        if (names()[i] == word) {
            action = static_cast<PlayerActionType>(i);
            return in;
        }
    }
    in.setstate(std::ios::failbit);
    return in;
}

std::ostream& operator<<(std::ostream& out, PlayerActionType action) {
    return out << playerActionName(action);
}
