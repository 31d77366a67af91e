#include "support/ProgramRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1, write = -1;
    Pipe() {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make a pipe");
        read = ends[0];
        write = ends[1];
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    void closeRead() {
        if (read >= 0)
            close(read);
        read = -1;
    }
    void closeWrite() {
        if (write >= 0)
            close(write);
        write = -1;
    }
};

[[noreturn]] void startChild(const std::string& program, const std::vector<std::string>& arguments,
                             const RunOptions& options, Pipe& input, Pipe& output, Pipe& error) {
    dup2(input.read, STDIN_FILENO);
    dup2(output.write, STDOUT_FILENO);
    dup2(error.write, STDERR_FILENO);
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0)
        _exit(126);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    if (argv.empty())
        argv.push_back(const_cast<char*>(program.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

bool drain(int descriptor, std::string& into) {
    char buffer[4096];
    ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count > 0) {
        into.append(buffer, count);
        return true;
    }
    return count < 0 && errno == EINTR;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}
} // namespace

RunResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const RunOptions& options) {
    Pipe input, output, error;
    pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot fork");
    if (child == 0)
        startChild(program, arguments, options, input, output, error);

    input.closeRead();
    output.closeWrite();
    error.closeWrite();
    input.closeWrite();

    RunResult result;
    Clock::time_point start = Clock::now();
    bool outputOpen = true, errorOpen = true;
    int status = 0;
    bool ended = false;
    // A program may close its output and live on, or leave it to a child: wait for both ends.
    while (outputOpen || errorOpen || !ended) {
        double elapsed = secondsSince(start);
        if (options.terminateAfterSeconds > 0 && elapsed >= options.terminateAfterSeconds &&
            !result.terminatedByTimeout && !ended) {
            kill(child, SIGTERM);
            result.terminatedByTimeout = true;
        }
        if (elapsed >= options.killAfterSeconds && !result.killedByTimeout && !ended) {
            kill(child, SIGKILL);
            result.killedByTimeout = true;
        }
        if (!ended && waitpid(child, &status, WNOHANG) == child)
            ended = true;
        if (ended && elapsed >= options.killAfterSeconds)
            break;
        pollfd watched[2] = {{outputOpen ? output.read : -1, POLLIN, 0},
                             {errorOpen ? error.read : -1, POLLIN, 0}};
        if (poll(watched, 2, 20) <= 0)
            continue;
        if (outputOpen && (watched[0].revents & (POLLIN | POLLHUP | POLLERR)))
            outputOpen = drain(output.read, result.standardOutput);
        if (errorOpen && (watched[1].revents & (POLLIN | POLLHUP | POLLERR)))
            errorOpen = drain(error.read, result.standardError);
    }

    if (WIFEXITED(status)) {
        result.exited = true;
        result.exitStatus = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

GameRun::GameRun() : scratch("vantorix-run") {
    fs::create_directory_symlink(fs::path(VANTORIX_SOURCE_DIR) / "data", scratch.file("data"));
}

RunResult GameRun::run(const std::vector<std::string>& arguments, RunOptions options) const {
    options.workingDirectory = scratch.path();
    std::vector<std::string> argv{VANTORIX_BINARY};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return runProgram(VANTORIX_BINARY, argv, options);
}

std::string GameRun::readFile(const std::string& relative) const {
    return readTextFile(scratch.file(relative));
}
