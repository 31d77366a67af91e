#pragma once

#include "core/Event.h"

#include <string>

class ParamList;

// An event that data files can name. createNew reads the optional "time" parameter as its stamp.
class FactoryEvent : public Event {
public:
    using Event::Event;
    ~FactoryEvent() override = default;

    virtual const std::string& getType() const = 0;
    // The caller owns the result.
    virtual FactoryEvent* createNew(const ParamList& params) const = 0;
    // A copy carrying the given time stamp; the caller owns it.
    virtual FactoryEvent* clone(double time) const = 0;

protected:
    // The "time" parameter, 0.0 when absent or unreadable.
    static double timeFrom(const ParamList& params);
};
