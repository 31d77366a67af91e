#include "support/ScratchDirectory.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch directory " + pattern);
    root = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    if (std::getenv("VANTORIX_KEEP_SCRATCH"))
        return;
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

std::string readTextFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeTextFile(const fs::path& path, const std::string& text) {
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const fs::path& path)
    : previous(fs::current_path()) {
    fs::current_path(path);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
}
