#include "core/FactoryEvent.h"

#include "core/ParamList.h"

double FactoryEvent::timeFrom(const ParamList& params) {
    double time = 0.0;
    if (params.get("time", time) != ParamList::Found)
        time = 0.0;
    return time;
}
