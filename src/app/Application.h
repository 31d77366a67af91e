#pragma once

// The whole life of the program: command line, start-up, main loop, shut-down. Returns the
// process exit status.
int runApplication(int argc, char* argv[]);
