#include "core/LogFile.h"

#include "core/myexception.h"

#include <ctime>
#include <iomanip>
#include <iostream>

namespace {
std::tm localNow() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
}
} // namespace

LogFile::LogFile(const std::string& name, int minimumLevel, bool echo)
    : name(name), stream("./" + name, std::ios::out | std::ios::trunc), minimumLevel(minimumLevel),
      echo(echo) {
    if (!stream.is_open())
        throw myexception("Cannot open log file.");
    std::tm t = localNow();
    stream << name << ": Logging file generated on " << std::setfill('0') << std::setw(4)
           << t.tm_year + 1900 << ':' << std::setw(2) << t.tm_mon + 1 << ':' << std::setw(2)
           << t.tm_mday << " at " << std::setw(2) << t.tm_hour << ':' << std::setw(2) << t.tm_min
           << ':' << std::setw(2) << t.tm_sec << std::endl;
}

LogFile::~LogFile() {
    write("Log File Closed.", Important);
    stream.flush();
    stream.close();
}

void LogFile::write(const std::string& message, int level) {
    if (level < minimumLevel)
        return;
    std::tm t = localNow();
    stream << std::setfill('0') << std::setw(2) << t.tm_hour << ':' << std::setw(2) << t.tm_min
           << ':' << std::setw(2) << t.tm_sec << ": " << message << std::endl;
    if (echo && level >= echoLevel)
        std::cout << message << std::endl;
}
