#pragma once

#include "core/FactoryEvent.h"
#include "core/Process.h"
#include "core/Resource.h"

#include <boost/shared_ptr.hpp>

#include <string>
#include <vector>

class EventManager;
class SceneManager;
class TiXmlElement;

// A timed list of events read from an "EventScript" element. Each run is an EventProcess in a
// scene's process list that sends every event at its time, to the scene or to a named entity.
// The events are made once, when the script loads, and each run sends copies of them.
class EventScript : public Resource {
public:
    struct Entry {
        boost::shared_ptr<FactoryEvent> event;
        std::string destination;
        double time = 0.0;
    };

    // One run of a script in one scene. The script stays alive while the run lasts. The process
    // deletes itself when its manager reaps it; it ends once every event was sent, when the scene
    // is gone, or when the script is unloaded.
    class EventProcess : public Process {
    public:
        EventProcess(const boost::shared_ptr<EventScript>& script, SceneManager* scene);
        void processAdded() override;
        void updateProcess(double seconds) override;
        bool deleteWhenKilled() const override { return true; }

        std::size_t getNext() const { return next; }
        double getElapsed() const { return elapsed; }

    private:
        bool sceneExists() const;
        void send(const Entry& entry);

        boost::shared_ptr<EventScript> script;
        SceneManager* scene;
        // The scene's event-manager side, kept to ask whether the scene still lives without
        // converting a pointer that may dangle.
        EventManager* sceneEvents;
        std::size_t next = 0;
        double elapsed = 0.0;
        // The process list's clock when the run joined it. A run added during a pass of its list
        // starts with the next pass: otherwise a script that starts itself at time 0 would add a
        // run that the same pass reaches, and so on without end.
        double startedAt = 0.0;
        bool started = false;
    };

    EventScript(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    ~EventScript() override;

    // A new run for the scene, which the caller adds to the scene's process list; null for a
    // null script or scene. Ownership passes to the process list the run is added to.
    static EventProcess* run(const boost::shared_ptr<EventScript>& script, SceneManager* scene);

    const std::vector<Entry>& getEvents() const { return events; }
    const std::string& getFileHint() const { return fileHint; }
    void setFileHint(const std::string& hint) { fileHint = hint; }

protected:
    void loadImpl() override;
    void unloadImpl() override;

private:
    // Null when the event is skipped; the reason is logged.
    FactoryEvent* readEvent(TiXmlElement* element, Entry& entry) const;
    std::string errorPrefix() const;

    std::vector<Entry> events;
    std::string fileHint;
};

typedef boost::shared_ptr<EventScript> EventScriptPtr;
