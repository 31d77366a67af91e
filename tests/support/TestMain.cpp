#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

// Parallel tests would collide on the engine's fixed-name files: each works in its own directory.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    namespace fs = std::filesystem;
    fs::path own = fs::current_path() / ("run-" + std::to_string(getpid()));
    std::error_code ignored;
    fs::create_directories(own, ignored);
    fs::current_path(own, ignored);
    int status = RUN_ALL_TESTS();
    fs::current_path(own.parent_path(), ignored);
    if (status == 0)
        fs::remove_all(own, ignored);
    return status;
}
