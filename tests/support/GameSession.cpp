#include "support/GameSession.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace {
using Clock = std::chrono::steady_clock;

void pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// Starts program in directory with DISPLAY set, its output to the files given (or /dev/null).
pid_t spawn(const std::vector<std::string>& arguments, const std::string& display,
            const fs::path& directory, const std::string& outFile, const std::string& errFile) {
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    setpgid(0, 0);
    if (!directory.empty() && chdir(directory.c_str()) != 0)
        _exit(126);
    int out =
        open(outFile.empty() ? "/dev/null" : outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err =
        open(errFile.empty() ? "/dev/null" : errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    int nothing = open("/dev/null", O_RDONLY);
    dup2(nothing, STDIN_FILENO);
    if (!display.empty())
        setenv("DISPLAY", display.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

int statusOf(int raw) {
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}
} // namespace

int GameSession::Shot::count(int x0, int y0, int x1, int y1,
                             const std::function<bool(int, int, int)>& test) const {
    int found = 0;
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x) {
            const std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
            found += test(p[0], p[1], p[2]) ? 1 : 0;
        }
    return found;
}

GameSession::GameSession() : scratch("vantorix-session") {
    start();
}

void GameSession::start() {
    fs::create_directory_symlink(fs::path(VANTORIX_SOURCE_DIR) / "data", scratch.file("data"));
    // A display of its own: numbers spread by process id so that sessions of tests running
    // alongside rarely try the same one, and the next number when a server cannot take it.
    for (int attempt = 0; attempt < 40 && display.empty(); ++attempt) {
        std::string candidate = ":" + std::to_string(150 + (getpid() * 7 + attempt) % 800);
        std::string socket = "/tmp/.X11-unix/X" + candidate.substr(1);
        if (access(socket.c_str(), F_OK) == 0)
            continue;
        pid_t server = spawn({"Xvfb", candidate, "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                             "", {}, "", "");
        for (int wait = 0; wait < 100 && access(socket.c_str(), F_OK) != 0; ++wait)
            pause(0.05);
        pause(0.2);
        if (waitpid(server, nullptr, WNOHANG) == 0 && access(socket.c_str(), F_OK) == 0) {
            serverPid = server;
            display = candidate;
        } else {
            kill(server, SIGKILL);
            waitpid(server, nullptr, 0);
        }
    }
    ASSERT_FALSE(display.empty()) << "no X server";
    gamePid = spawn({VANTORIX_BINARY, "-width", "800", "-height", "600"}, display, scratch.path(),
                    scratch.file("stdout.txt").string(), scratch.file("stderr.txt").string());
    std::string found;
    for (int wait = 0; wait < 200 && found.empty(); ++wait) {
        pause(0.1);
        found = gameWindow();
    }
    ASSERT_FALSE(found.empty()) << "the game window did not open";
    window = std::stoul(found);
    // Keys go to the window under the pointer.
    xdotool({"mousemove", "--window", std::to_string(window), "400", "590"});
}

GameSession::~GameSession() {
    if (gamePid > 0)
        stop(SIGKILL);
    if (serverPid > 0) {
        kill(serverPid, SIGTERM);
        waitpid(serverPid, nullptr, 0);
    }
}

int GameSession::xdotool(const std::vector<std::string>& arguments, std::string* output) const {
    std::vector<std::string> command{"xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    fs::path outFile = scratch.file("xdotool.txt");
    pid_t pid = spawn(command, display, {}, outFile.string(), "");
    int raw = 0;
    waitpid(pid, &raw, 0);
    if (output) {
        *output = readTextFile(outFile);
        std::size_t end = output->find('\n');
        if (end != std::string::npos)
            output->erase(end);
    }
    return statusOf(raw);
}

std::string GameSession::gameWindow() const {
    // SDL may open and drop a first window of the same name while it sets the video mode; the
    // one that stays is the one shown.
    std::string found;
    xdotool({"search", "--onlyvisible", "--name", "^Vantorix$"}, &found);
    return found;
}

void GameSession::click(int x, int y) {
    std::string current = gameWindow();
    if (!current.empty())
        window = std::stoul(current);
    xdotool({"mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y),
             "click", "1"});
}

void GameSession::key(const std::string& name) {
    xdotool({"key", name});
}

GameSession::Shot GameSession::shot() {
    Shot result;
    std::string log = "VideoSystemLog.txt";
    auto saved = [&] {
        std::string text = readFile(log);
        int count = 0;
        for (std::size_t at = text.find("Screenshot saved"); at != std::string::npos;
             at = text.find("Screenshot saved", at + 1))
            ++count;
        return count;
    };
    key("Print");
    for (int wait = 0; wait < 100 && saved() <= shots; ++wait)
        pause(0.05);
    if (saved() <= shots)
        return result;
    shots = saved();
    SDL_Surface* loaded = SDL_LoadBMP(scratch.file("screenshot.bmp").c_str());
    if (!loaded)
        return result;
    SDL_PixelFormat format{};
    format.BitsPerPixel = 24;
    format.BytesPerPixel = 3;
    format.Rmask = 0x0000ff;
    format.Gmask = 0x00ff00;
    format.Bmask = 0xff0000;
    format.Rshift = 0;
    format.Gshift = 8;
    format.Bshift = 16;
    SDL_Surface* rgb = SDL_ConvertSurface(loaded, &format, SDL_SWSURFACE);
    SDL_FreeSurface(loaded);
    if (!rgb)
        return result;
    result.width = rgb->w;
    result.height = rgb->h;
    result.rgb.resize(std::size_t(rgb->w) * rgb->h * 3);
    for (int y = 0; y < rgb->h; ++y)
        std::copy_n(static_cast<std::uint8_t*>(rgb->pixels) + std::size_t(y) * rgb->pitch,
                    std::size_t(rgb->w) * 3, result.rgb.begin() + std::size_t(y) * rgb->w * 3);
    SDL_FreeSurface(rgb);
    return result;
}

GameSession::Shot GameSession::shotUntil(const std::function<bool(const Shot&)>& test,
                                         double timeoutSeconds) {
    auto end = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
    Shot last;
    do {
        last = shot();
        if (last.width > 0 && test(last))
            return last;
        pause(0.2);
    } while (Clock::now() < end);
    return last;
}

int GameSession::reap(double timeoutSeconds) {
    auto end = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
    int raw = 0;
    while (Clock::now() < end) {
        pid_t done = waitpid(gamePid, &raw, WNOHANG);
        if (done == gamePid) {
            gamePid = -1;
            return statusOf(raw);
        }
        pause(0.05);
    }
    kill(gamePid, SIGKILL);
    waitpid(gamePid, &raw, 0);
    gamePid = -1;
    return -1;
}

int GameSession::stop(int signal) {
    if (gamePid <= 0)
        return -1;
    kill(gamePid, signal);
    return reap(30);
}

int GameSession::waitForExit(double timeoutSeconds) {
    return gamePid > 0 ? reap(timeoutSeconds) : -1;
}

std::string GameSession::standardOutput() const {
    return readTextFile(scratch.file("stdout.txt"));
}

std::string GameSession::readFile(const std::string& relative) const {
    return readTextFile(scratch.file(relative));
}
