#pragma once

#include <functional>
#include <string>

// The game's own font, as committed under data/.
std::string gameFontPath();

// Runs the call and returns the myexception text it raised; fails the test when it raised none.
std::string thrownMessage(const std::function<void()>& call);
