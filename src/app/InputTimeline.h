#pragma once

#include "app/InputAction.h"

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

// The inputs of a scripted run, by step (steps count from 1; the actions of step n reach the
// game just before its n-th simulation step). The text form is one action per line:
//
//     # comment
//     <step> down <key>
//     <step> up <key>
//     <step> click <x> <y> [left|right]
//
// Lines may come in any order; the actions of one step keep the order of their lines.
class InputTimeline {
public:
    // Reads the text form. A line that is not one of the above is skipped and described in
    // problems as "line N: reason"; the rest is still read.
    static InputTimeline read(std::istream& in, std::vector<std::string>& problems);

    void add(unsigned step, const InputAction& action);
    // The actions of that step, in order; empty when there are none.
    const std::vector<InputAction>& at(unsigned step) const;
    bool empty() const { return actions.empty(); }

private:
    std::map<unsigned, std::vector<InputAction>> actions;
};
