#pragma once

#include <string>

// The process's memory as the system reports it, in kilobytes: the peak resident size so far
// (getrusage) and the resident size now (/proc/self/statm; 0 where there is none).
struct MemoryUsage {
    long peakKilobytes = 0;
    long residentKilobytes = 0;

    static MemoryUsage measure();
    // "peak 51234 kB, resident 50012 kB"
    std::string toText() const;
};
