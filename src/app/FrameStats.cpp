#include "app/FrameStats.h"

#include <algorithm>
#include <sstream>

void FrameStats::clear() {
    timeDiffs.clear();
    sleepTimes.clear();
    overTimes.clear();
    entityCounts.clear();
    framesSeen = 0;
}

std::string FrameStats::report() const {
    std::ostringstream text;
    std::size_t rows =
        std::min({timeDiffs.size(), sleepTimes.size(), overTimes.size(), entityCounts.size()});
    // The sequences are appended at different points of a frame; align them on their ends.
    auto at = [rows](const auto& sequence, std::size_t row) {
        return sequence[sequence.size() - rows + row];
    };
    for (std::size_t row = 0; row < rows; ++row)
        text << "timeDiff:" << at(timeDiffs, row) << " sleepTime:" << at(sleepTimes, row)
             << " overTime:" << at(overTimes, row) << " num entities: " << at(entityCounts, row)
             << "\n";
    return text.str();
}
