#pragma once

#include <fstream>
#include <string>

// One open log. Lines below minimumLevel are dropped; with echo on, lines at level 2 or more are
// also printed to standard output.
class LogFile {
public:
    enum Level { Detail = 0, Information = 1, Important = 2 };
    static constexpr int echoLevel = 2;

    // Raises "Cannot open log file." when the file cannot be created.
    LogFile(const std::string& name, int minimumLevel, bool echo);
    // Writes "Log File Closed." at level 2.
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    void write(const std::string& message, int level);
    const std::string& getName() const { return name; }
    int getMinimumLevel() const { return minimumLevel; }

private:
    std::string name;
    std::ofstream stream;
    int minimumLevel;
    bool echo;
};
