#include "world/ScriptRunnerActionEvent.h"

#include "core/ParamList.h"

const std::string ScriptRunnerActionEvent::typeName = "ScriptRunner";

ScriptRunnerActionEvent::ScriptRunnerActionEvent()
    : FactoryEvent(EventType::ScriptRunnerAction, 0.0) {}

ScriptRunnerActionEvent::ScriptRunnerActionEvent(const std::string& script, const std::string& file,
                                                 double time)
    : FactoryEvent(EventType::ScriptRunnerAction, time), script(script), file(file) {}

FactoryEvent* ScriptRunnerActionEvent::createNew(const ParamList& params) const {
    return new ScriptRunnerActionEvent(params.getText("script"), params.getText("file"),
                                       timeFrom(params));
}

FactoryEvent* ScriptRunnerActionEvent::clone(double time) const {
    return new ScriptRunnerActionEvent(script, file, time);
}
