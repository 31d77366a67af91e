#include "world/EventScript.h"

#include "core/EventFactory.h"
#include "core/EventManager.h"
#include "core/LogFile.h"
#include "core/ParamList.h"
#include "core/PointerValidator.h"
#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/XmlElementLookup.h"
#include "world/XmlFile.h"
#include "world/XmlReading.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <sstream>

namespace {

const char* const typeName = "EventScript";

struct Record {
    double time;
    std::size_t count;
    EventScript::Entry entry;
};

// The time attribute, 0 when absent; false when it is there but no finite number, which would
// otherwise send the event at once.
bool readTime(const TiXmlElement* element, double& time) {
    time = 0.0;
    const char* text = element->Attribute("time");
    if (!text)
        return true;
    std::istringstream stream(text);
    return stream >> time && std::isfinite(time);
}

} // namespace

EventScript::EventScript(const std::string& name, ResourceHandle handle,
                         ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

EventScript::~EventScript() {
    unload();
}

std::string EventScript::errorPrefix() const {
    return std::string("Error: Loading ") + typeName + " " + getName();
}

void EventScript::loadImpl() {
    setLoadFailed(false);
    events.clear();
    XmlElementLookup found(typeName, *this, fileHint);
    if (!found)
        return;
    std::vector<Record> records;
    std::size_t count = 0;
    for (TiXmlElement* child = found.getElement()->FirstChildElement("Event"); child;
         child = child->NextSiblingElement("Event"), ++count) {
        Entry entry;
        if (!readEvent(child, entry))
            continue;
        records.push_back(Record{entry.time, count, entry});
    }
    if (records.empty())
        writeXmlLog(std::string("Warning: Loading ") + typeName + " " + getName() +
                        positionText(found.getElement()) + ": no events were found.",
                    LogFile::Important);
    std::stable_sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        return a.time < b.time || (a.time == b.time && a.count < b.count);
    });
    for (Record& record : records)
        events.push_back(record.entry);
    writeXmlLog(std::string("Loaded ") + typeName + " " + getName() + ".", LogFile::Information);
}

FactoryEvent* EventScript::readEvent(TiXmlElement* element, Entry& entry) const {
    std::string where = errorPrefix() + positionText(element);
    const char* typeText = element->Attribute("type");
    if (!typeText) {
        writeXmlLog(where + ": type attribute missing from Event.", LogFile::Important);
        return nullptr;
    }
    std::string type(typeText);
    EventFactory& factory = EventFactory::getSingleton();
    if (!factory.isRegistered(type)) {
        writeXmlLog(where + ": event " + type + " is not registered with factory.",
                    LogFile::Important);
        return nullptr;
    }
    ParamList params;
    readParams("Param", element, errorPrefix(), params);
    if (!readTime(element, entry.time)) {
        writeXmlLog(where + ": time attribute " + element->Attribute("time") +
                        " of Event is not a finite number.",
                    LogFile::Important);
        return nullptr;
    }
    if (const char* destination = element->Attribute("destination"))
        entry.destination = destination;
    try {
        FactoryEvent* event = factory.create(type, params);
        if (!event)
            throw myexception("factory returned null pointer.");
        entry.event.reset(event);
        return event;
    } catch (const std::exception& error) {
        std::string text = error.what() ? error.what() : "";
        if (!text.empty()) {
            writeXmlLog(where + ": error creating event " + type + ": " + text, LogFile::Important);
            return nullptr;
        }
    } catch (...) {
    }
    writeXmlLog(where + ": unknown error creating event " + type + ".", LogFile::Important);
    return nullptr;
}

void EventScript::unloadImpl() {
    events.clear();
}

EventScript::EventProcess* EventScript::run(const EventScriptPtr& script, SceneManager* scene) {
    if (!script || !scene)
        return nullptr;
    std::lock_guard<boost::recursive_mutex> lock(script->getMutex());
    return new EventProcess(script, scene);
}

EventScript::EventProcess::EventProcess(const EventScriptPtr& script, SceneManager* scene)
    : script(script), scene(scene), sceneEvents(scene) {}

void EventScript::EventProcess::processAdded() {
    started = false;
    startedAt = getManager()->getTotalTime();
}

bool EventScript::EventProcess::sceneExists() const {
    return PointerValidator<EventManager>::isValid(sceneEvents);
}

void EventScript::EventProcess::updateProcess(double seconds) {
    if (isKilled())
        return;
    if (!sceneExists() || script->getState() != Loaded) {
        kill();
        return;
    }
    if (!started) {
        started = true;
        if (getManager()->getTotalTime() == startedAt)
            return;
    }
    elapsed += seconds;
    // A listener may unload the script or end the scene while an event is delivered, so both are
    // checked again before each entry.
    while (next < script->events.size() && script->events[next].time <= elapsed) {
        Entry entry = script->events[next];
        ++next;
        send(entry);
        if (!sceneExists() || script->getState() != Loaded) {
            kill();
            return;
        }
    }
    if (next >= script->events.size())
        kill();
}

void EventScript::EventProcess::send(const Entry& entry) {
    EventPtr event(entry.event->clone(scene->getTotalTime()));
    if (entry.destination.empty()) {
        scene->sendEvent(event);
        return;
    }
    if (Entity* target = scene->findEntity(entry.destination))
        target->sendEvent(event);
}
