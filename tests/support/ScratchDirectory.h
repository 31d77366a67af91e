#pragma once

#include <filesystem>
#include <string>

// A fresh temporary directory, removed when the object goes (unless VANTORIX_KEEP_SCRATCH is set).
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& prefix = "vantorix-test");
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::filesystem::path file(const std::string& relative) const { return root / relative; }

private:
    std::filesystem::path root;
};

// The whole file, or an empty string when it cannot be read.
std::string readTextFile(const std::filesystem::path& path);
void writeTextFile(const std::filesystem::path& path, const std::string& text);

// The working directory until the object goes (the game resolves "./data/..." against it).
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& path);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};
