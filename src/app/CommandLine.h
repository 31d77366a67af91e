#pragma once

#include "presentation/VideoMode.h"

#include <string>

// The window the game opens when the command line says nothing: 1024 x 768 at the desktop's
// depth, windowed.
VideoMode defaultVideoMode();

// Options come in pairs: "-width", "-height", "-depth" (unsigned) and "-fs" (0 or 1); a later
// repetition wins. Returns false on an unknown option, a value that does not convert, or an
// option with no value behind it.
bool parseCommandLine(int argc, const char* const argv[], VideoMode& settings);

// "Usage: <program> [-width number] [-height number] [-depth number] [-fs 1/0]\n"
std::string usageText(const std::string& programPath);
