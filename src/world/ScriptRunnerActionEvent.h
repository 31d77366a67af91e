#pragma once

#include "core/FactoryEvent.h"

#include <string>

// Asks the scene's ScriptRunner to start a run of an event script. Parameters: "script" (name),
// "file" (file hint) and "time" (delivery time).
class ScriptRunnerActionEvent : public FactoryEvent {
public:
    static const std::string typeName;

    ScriptRunnerActionEvent();
    ScriptRunnerActionEvent(const std::string& script, const std::string& file, double time);

    const std::string& getType() const override { return typeName; }
    FactoryEvent* createNew(const ParamList& params) const override;
    FactoryEvent* clone(double time) const override;

    const std::string& getScript() const { return script; }
    const std::string& getFile() const { return file; }

private:
    std::string script;
    std::string file;
};
