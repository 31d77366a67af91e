#pragma once

#include "core/EventListener.h"

#include <functional>
#include <string>
#include <vector>

// Records the events it hears and can run an action from inside handleEvent.
class RecordingListener : public EventListener {
public:
    explicit RecordingListener(int type, std::vector<std::string>* journal = nullptr,
                               std::string name = "")
        : EventListener(type), journal(journal), name(std::move(name)) {}

    void handleEvent(const EventPtr& event) override {
        heard.push_back(event);
        if (journal)
            journal->push_back(name);
        if (onEvent)
            onEvent(event);
    }

    std::vector<EventPtr> heard;
    std::function<void(const EventPtr&)> onEvent;

private:
    std::vector<std::string>* journal;
    std::string name;
};
