#include "core/LogManager.h"

LogManager::~LogManager() {
    defaultLog = nullptr;
    logs.clear();
}

LogFile* LogManager::openLog(const std::string& name, int minimumLevel, bool echo,
                             bool makeDefault) {
    // Subsystems keep the pointer they were given, so a log open under this name is handed out
    // again rather than replaced (reopening would truncate the file and free the old object).
    auto found = logs.find(name);
    if (found == logs.end())
        found = logs.emplace(name, std::make_unique<LogFile>(name, minimumLevel, echo)).first;
    LogFile* opened = found->second.get();
    if (makeDefault)
        defaultLog = opened;
    return opened;
}

LogFile* LogManager::getLog(const std::string& name) const {
    auto found = logs.find(name);
    return found == logs.end() ? nullptr : found->second.get();
}

void LogManager::write(const std::string& message, int level) {
    if (defaultLog)
        defaultLog->write(message, level);
}

void logDefault(const std::string& message, int level) {
    if (LogManager* manager = LogManager::getSingletonPtr())
        manager->write(message, level);
}
