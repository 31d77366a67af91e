#include "gameplay/TimerDisplayUpdater.h"

#include "core/ProcessManager.h"
#include "presentation/TextDisplay.h"

#include <cmath>
#include <iomanip>
#include <sstream>

const std::string& TimerDisplayUpdater::typeName() {
    static const std::string type = "TimerDisplayUpdater";
    return type;
}

Component* TimerDisplayUpdater::createNew(const ParamList&) const {
    return new TimerDisplayUpdater();
}

void TimerDisplayUpdater::managerChanged(SceneManager* newManager, SceneManager* oldManager) {
    followScene(newManager, oldManager);
}

void TimerDisplayUpdater::updateProcess(double) {
    ProcessManager* scene = getManager();
    auto* display = getSibling<TextDisplay>("DynamicTextDisplay");
    if (scene && display)
        display->setText(clockText(scene->getTotalTime()));
}

std::string TimerDisplayUpdater::clockText(double seconds) {
    std::ostringstream text;
    text << std::fixed << std::setfill('0');
    const bool hours = seconds >= 3600.0;
    const bool minutes = seconds >= 60.0;
    if (hours)
        text << std::setprecision(0) << std::floor(seconds / 3600.0) << ':';
    if (minutes)
        text << std::setprecision(0) << std::setw(hours ? 2 : 0)
             << std::fmod(std::floor(seconds / 60.0), 60.0) << ':';
    text << std::setprecision(2) << std::setw(minutes ? 5 : 0) << std::fmod(seconds, 60.0);
    return text.str();
}
