#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/GameRuntime.h"
#include "core/LogManager.h"
#include "presentation/VideoManager.h"

#include <iostream>

int runApplication(int argc, char* argv[]) {
    VideoMode settings = defaultVideoMode();
    if (!parseCommandLine(argc, argv, settings)) {
        std::cout << usageText(argc > 0 ? argv[0] : "vantorix") << std::flush;
        return -1;
    }
    GameRuntime game;
    try {
        if (!game.startUp(settings)) {
            game.shutDown();
            return -1;
        }
        game.runMainLoop();
        game.shutDown();
        return 0;
    } catch (const std::exception& error) {
        // Report, then shut down in order rather than abort with unflushed logs.
        std::cerr << "Vantorix: " << error.what() << std::endl;
        logDefault(error.what(), 2);
        try {
            game.shutDown();
        } catch (const std::exception& second) {
            std::cerr << "Vantorix: " << second.what() << std::endl;
        }
        return 1;
    }
}
