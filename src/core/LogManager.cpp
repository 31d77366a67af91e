#include "core/LogManager.h"

LogManager::~LogManager() {
    defaultLog = nullptr;
    logs.clear();
}

LogFile* LogManager::openLog(const std::string& name, int minimumLevel, bool echo,
                             bool makeDefault) {
    auto log = std::make_unique<LogFile>(name, minimumLevel, echo);
    LogFile* opened = log.get();
    logs[name] = std::move(log);
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
