#pragma once

#include "core/EventListener.h"
#include "gameplay/PlayingAreaEvent.h"

#include <boost/pointer_cast.hpp>

// Hears PlayingAreaEvents and splits them into departures and arrivals; both do nothing unless
// overridden.
class PlayingAreaListener : public EventListener {
public:
    PlayingAreaListener() : EventListener(EventType::PlayingArea) {}

    void handleEvent(const EventPtr& event) override {
        PlayingAreaEventPtr areaEvent = boost::dynamic_pointer_cast<PlayingAreaEvent>(event);
        if (!areaEvent)
            return;
        if (areaEvent->getLeft() != 0)
            areaLeft(areaEvent);
        else
            areaEntered(areaEvent);
    }

    virtual void areaLeft(const PlayingAreaEventPtr&) {}
    virtual void areaEntered(const PlayingAreaEventPtr&) {}
};
