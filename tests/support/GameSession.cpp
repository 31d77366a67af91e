#include "support/GameSession.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace {
const auto doze = [](double s) { std::this_thread::sleep_for(std::chrono::duration<double>(s)); };
const auto alive = [](int pid) { return pid > 0 && kill(pid, 0) == 0; };
} // namespace

int GameSession::Shot::count(int x0, int y0, int x1, int y1, bool (*test)(int, int, int)) const {
    int found = 0;
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x) {
            const std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
            found += test(p[0], p[1], p[2]) ? 1 : 0;
        }
    return found;
}

// The shipped data through links; the story is the first shipped level, then ShortRun.xml.
void GameSession::linkData() {
    namespace fs = std::filesystem;
    const fs::path source = fs::path(VANTORIX_SOURCE_DIR);
    const fs::path data = scratch.file("data");
    fs::create_directories(data / "templates");
    for (const auto& entry : fs::directory_iterator(source / "data"))
        if (entry.path().filename() != "templates")
            fs::create_symlink(entry.path(), data / entry.path().filename());
    for (const auto& entry : fs::directory_iterator(source / "data/templates"))
        if (entry.path().filename() != "Scene.xml")
            fs::create_symlink(entry.path(), data / "templates" / entry.path().filename());
    fs::create_symlink(source / "tests/data/levels/ShortRun.xml", data / "templates/ShortRun.xml");
    std::string list = readTextFile(source / "data/templates/Scene.xml");
    std::size_t first = list.find("<StoryLevel ");
    std::size_t next = list.find("<StoryLevel ", list.find("/>", first));
    while (next != std::string::npos) {
        list.erase(next, list.find("/>", next) + 2 - next);
        next = list.find("<StoryLevel ", next);
    }
    list.insert(list.find("/>", first) + 2,
                "<StoryLevel name=\"Short Run\" scene=\"ShortRun\" script=\"ShortRunScript\""
                " finishScreen=\"true\"/>");
    list.insert(list.find("<LevelList"), "<IncludeFile file=\"templates/ShortRun.xml\"/>");
    writeTextFile(data / "templates/Scene.xml", list);
}

GameSession::GameSession() : scratch("vantorix-session") {
    linkData();
    // Xvfb picks a free display number itself and tells it once it listens.
    serverPid =
        std::atoi(shell("Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>" +
                        scratch.file("display.txt").string() + " >/dev/null 2>&1 & echo $!")
                      .c_str());
    std::string number;
    for (int wait = 0; wait < 100 && number.find('\n') == std::string::npos; ++wait) {
        doze(0.05);
        number = readFile("display.txt");
    }
    if (number.find('\n') == std::string::npos)
        return;
    display = ":" + number.substr(0, number.find('\n'));
    // The shell keeps the game's exit status for end().
    shell("cd " + scratch.path().string() +
          " && (SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 " VANTORIX_BINARY
          " -width 800 -height 600 >stdout.txt 2>stderr.txt & echo $! >pid.txt; wait $!;"
          " echo $? >status.txt) >/dev/null 2>&1 &");
    for (int wait = 0; wait < 100 && readFile("pid.txt").empty(); ++wait)
        doze(0.05);
    gamePid = std::atoi(readFile("pid.txt").c_str());
    for (int wait = 0; wait < 200 && window.empty() && alive(gamePid); ++wait) {
        doze(0.1);
        window = findWindow();
    }
    // Keys go to the window under the pointer.
    if (started())
        shell("xdotool mousemove --window " + window + " 400 590");
}

GameSession::~GameSession() {
    end(SIGKILL, 5);
    if (alive(serverPid))
        kill(serverPid, SIGTERM);
}

std::string GameSession::shell(const std::string& command) const {
    std::string line;
    if (FILE* pipe = popen(("export DISPLAY=" + display + "; " + command).c_str(), "r")) {
        for (int c = fgetc(pipe); c != EOF && c != '\n'; c = fgetc(pipe))
            line += static_cast<char>(c);
        pclose(pipe);
    }
    return line;
}

// SDL may open and drop a first window of that name while it sets the video mode.
std::string GameSession::findWindow() const {
    return shell("xdotool search --onlyvisible --name '^Vantorix$' 2>/dev/null");
}

void GameSession::click(int x, int y) {
    std::string shown = findWindow();
    shell("xdotool mousemove --window " + (shown.empty() ? window : shown) + " " +
          std::to_string(x) + " " + std::to_string(y) + " click 1");
}

void GameSession::key(const std::string& name) {
    shell("xdotool key " + name);
}

GameSession::Shot GameSession::shot() {
    std::filesystem::path bmp = scratch.file("screenshot.bmp");
    std::filesystem::remove(bmp);
    key("Print");
    std::error_code error;
    for (int wait = 0; wait < 100 && std::filesystem::file_size(bmp, error) != 54 + 800 * 600 * 3;
         ++wait)
        doze(0.05);
    Shot result;
    shell("convert " + bmp.string() + " -depth 8 rgb:" + scratch.file("shot.rgb").string());
    std::string pixels = readFile("shot.rgb");
    if (pixels.size() == 800 * 600 * 3)
        result = Shot{800, 600, std::vector<std::uint8_t>(pixels.begin(), pixels.end())};
    return result;
}

GameSession::Shot GameSession::shotUntil(const std::function<bool(const Shot&)>& test,
                                         double timeoutSeconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    Shot last;
    do {
        last = shot();
        if (last.width > 0 && test(last))
            break;
        doze(0.2);
    } while (std::chrono::steady_clock::now() < end);
    return last;
}

int GameSession::end(int signal, double timeoutSeconds) {
    if (!alive(gamePid))
        return -1;
    if (signal)
        kill(gamePid, signal);
    for (int wait = 0; wait < timeoutSeconds * 20 && readFile("status.txt").empty(); ++wait)
        doze(0.05);
    std::string status = readFile("status.txt");
    if (status.empty())
        kill(gamePid, SIGKILL);
    gamePid = -1;
    int code = status.empty() ? -1 : std::atoi(status.c_str());
    return code >= 128 ? -1 : code; // the shell's code for a death by signal
}

std::string GameSession::readFile(const std::string& relative) const {
    return readTextFile(scratch.file(relative));
}
