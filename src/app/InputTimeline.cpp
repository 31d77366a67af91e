#include "app/InputTimeline.h"

#include <istream>
#include <sstream>

InputTimeline InputTimeline::read(std::istream& in, std::vector<std::string>& problems) {
    InputTimeline timeline;
    std::string line;
    for (unsigned number = 1; std::getline(in, line); ++number) {
        std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::istringstream words(line);
        long long step = 0;
        std::string reason;
        InputAction action;
        std::string rest;
        if (!(words >> step) || step < 1 || step > 0xffffffffLL) {
            reason = "a step number from 1 to 4294967295 must come first";
        } else {
            std::getline(words, rest);
            if (InputAction::fromText(rest, action, reason))
                timeline.add(static_cast<unsigned>(step), action);
        }
        if (!reason.empty())
            problems.push_back("line " + std::to_string(number) + ": " + reason);
    }
    return timeline;
}

void InputTimeline::add(unsigned step, const InputAction& action) {
    actions[step].push_back(action);
}

const std::vector<InputAction>& InputTimeline::at(unsigned step) const {
    static const std::vector<InputAction> none;
    auto found = actions.find(step);
    return found == actions.end() ? none : found->second;
}
