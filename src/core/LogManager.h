#pragma once

#include "core/LogFile.h"
#include "core/Singleton.h"

#include <map>
#include <memory>
#include <string>

// Owns every open log by name. Subsystems keep the LogFile pointer that openLog returned; it
// stays valid until the LogManager is destroyed.
class LogManager : public Singleton<LogManager> {
public:
    LogManager() = default;
    ~LogManager();

    // Creates "./<name>", writes its header, and optionally makes it the default log. A name that
    // is open already gets the open log back, with its first settings.
    LogFile* openLog(const std::string& name, int minimumLevel, bool echo, bool makeDefault);
    LogFile* getLog(const std::string& name) const;
    LogFile* getDefaultLog() const { return defaultLog; }
    // Writes to the default log if one is open.
    void write(const std::string& message, int level);

private:
    std::map<std::string, std::unique_ptr<LogFile>> logs;
    LogFile* defaultLog = nullptr;
};

// Writes to the default log when a log manager with a default log exists; otherwise nothing.
void logDefault(const std::string& message, int level);
