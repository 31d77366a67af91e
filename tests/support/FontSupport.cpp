#include "support/FontSupport.h"

#include "core/myexception.h"

#include <gtest/gtest.h>

std::string gameFontPath() {
    return std::string(VANTORIX_SOURCE_DIR) + "/data/FreeMonoBold.ttf";
}

std::string thrownMessage(const std::function<void()>& call) {
    try {
        call();
    } catch (const myexception& error) {
        return error.what();
    }
    ADD_FAILURE() << "no myexception was raised";
    return std::string();
}
