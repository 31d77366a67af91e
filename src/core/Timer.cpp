#include "core/Timer.h"

#include "core/EventManager.h"
#include "core/PointerValidator.h"
#include "core/ProcessManager.h"
#include "core/TimerEvent.h"
#include "core/myexception.h"

Timer::Timer(const std::string& name, EventManager* target, double seconds)
    : remaining(seconds), target(target), name(name) {
    // NaN would never run out and the timer would live for ever.
    if (!(seconds >= 0.0))
        throw myexception("Illegal value for timer.");
}

void Timer::updateProcess(double seconds) {
    remaining -= seconds;
    if (remaining >= 0.0)
        return;
    if (PointerValidator<EventManager>::isValid(target)) {
        double stamp = getManager() ? getManager()->getTotalTime() : 0.0;
        target->sendEvent(EventPtr(new TimerEvent(name, stamp)));
    }
    kill();
}
