#include "app/InputAction.h"

#include <SDL/SDL.h>

#include <iterator>
#include <sstream>
#include <vector>

namespace {

struct NamedKey {
    const char* name;
    SDLKey key;
};

// The keys the game reads: both control schemes, pause, Return, Escape and Print Screen.
const NamedKey namedKeys[] = {
    {"w", SDLK_w},         {"a", SDLK_a},           {"s", SDLK_s},
    {"d", SDLK_d},         {"q", SDLK_q},           {"e", SDLK_e},
    {"p", SDLK_p},         {"space", SDLK_SPACE},   {"lshift", SDLK_LSHIFT},
    {"lctrl", SDLK_LCTRL}, {"return", SDLK_RETURN}, {"escape", SDLK_ESCAPE},
    {"print", SDLK_PRINT}};

bool pushKey(int key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    return SDL_PushEvent(&event) == 0;
}

bool pushButton(int x, int y, Uint8 button, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.type = event.type;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return SDL_PushEvent(&event) == 0;
}

} // namespace

int InputAction::keyByName(const std::string& name) {
    for (const NamedKey& named : namedKeys)
        if (name == named.name)
            return named.key;
    return 0;
}

bool InputAction::fromText(const std::string& text, InputAction& action, std::string& reason) {
    std::istringstream in(text);
    std::string verb;
    in >> verb;
    std::vector<std::string> words{std::istream_iterator<std::string>(in),
                                   std::istream_iterator<std::string>()};
    if (verb == "down" || verb == "up") {
        int key = words.size() == 1 ? keyByName(words[0]) : 0;
        if (!key) {
            reason = "expected one key name after \"" + verb + "\"";
            return false;
        }
        action = verb == "down" ? keyDown(key) : keyUp(key);
        return true;
    }
    if (verb == "click") {
        // Window pixels of at most 16 bits, as SDL carries them.
        auto pixel = [](const std::string& word, int& value) {
            std::istringstream number(word);
            return number >> value && number.eof() && value >= 0 && value <= 65535;
        };
        InputAction click = InputAction::click(0, 0);
        bool good = (words.size() == 2 || words.size() == 3) && pixel(words[0], click.x) &&
                    pixel(words[1], click.y);
        if (good && words.size() == 3) {
            good = words[2] == "left" || words[2] == "right";
            click.button = words[2] == "right" ? Button::Right : Button::Left;
        }
        if (!good) {
            reason = "expected \"click x y [left|right]\" with x and y from 0 to 65535";
            return false;
        }
        action = click;
        return true;
    }
    reason = "unknown action \"" + verb + "\" (down, up or click)";
    return false;
}

bool InputAction::push() const {
    if (kind == Kind::KeyDown || kind == Kind::KeyUp)
        return pushKey(key, kind == Kind::KeyDown);
    Uint8 sdlButton = button == Button::Right ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
    return pushButton(x, y, sdlButton, true) && pushButton(x, y, sdlButton, false);
}

bool InputAction::operator==(const InputAction& other) const {
    return kind == other.kind && key == other.key && x == other.x && y == other.y &&
           button == other.button;
}
