#include "app/MemoryUsage.h"

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

MemoryUsage MemoryUsage::measure() {
    MemoryUsage usage;
    rusage own{};
    if (getrusage(RUSAGE_SELF, &own) == 0)
        usage.peakKilobytes = own.ru_maxrss;
    // statm: total and resident size in pages.
    std::ifstream statm("/proc/self/statm");
    long totalPages = 0, residentPages = 0;
    if (statm >> totalPages >> residentPages)
        usage.residentKilobytes = residentPages * (sysconf(_SC_PAGESIZE) / 1024);
    return usage;
}

std::string MemoryUsage::toText() const {
    return "peak " + std::to_string(peakKilobytes) + " kB, resident " +
           std::to_string(residentKilobytes) + " kB";
}
