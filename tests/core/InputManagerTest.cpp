#include "support/RecordingListener.h"
#include "support/SdlEventQueue.h"

#include "core/InputManager.h"
#include "core/KeyEvent.h"
#include "core/MouseEvent.h"
#include "core/WindowEvent.h"

namespace {
class InputManagerTest : public SdlEventQueue {
protected:
    InputManager input;
};

template <typename T> T& as(const EventPtr& event) {
    return static_cast<T&>(*event);
}
} // namespace

// A quit request makes poll answer false after delivering the rest.
TEST_F(InputManagerTest, PollTurnsKeysAndMouseIntoEventsWithTheGivenStamp) {
    RecordingListener keys(EventType::Key), mouse(EventType::Mouse), window(EventType::Window);
    for (RecordingListener* listener : {&keys, &mouse, &window})
        input.addListener(listener);
    pushType(SDL_QUIT);
    pushActivity(SDL_APPMOUSEFOCUS | SDL_APPINPUTFOCUS | SDL_APPACTIVE, false);
    pushActivity(SDL_APPACTIVE, true);
    pushActivity(SDL_APPMOUSEFOCUS, true);
    pushKey(SDLK_LCTRL, true);
    pushKey(SDLK_LCTRL, false);
    pushMotion(10, 20, -3, 4);
    pushButton(SDL_BUTTON_RIGHT, true, 5, 6);
    pushButton(SDL_BUTTON_RIGHT, false, 7, 8);
    EXPECT_FALSE(input.poll(2.5));
    EXPECT_TRUE(input.poll());
    ASSERT_EQ(keys.heard.size(), 2u);
    EXPECT_EQ(as<KeyEvent>(keys.heard[0]).getKey(), SDLK_LCTRL);
    EXPECT_EQ(as<KeyEvent>(keys.heard[1]).getState(), SDL_KEYUP);
    EXPECT_DOUBLE_EQ(keys.heard[0]->getTime(), 2.5);
    ASSERT_EQ(mouse.heard.size(), 3u);
    auto& pressed = as<MouseEvent>(mouse.heard[1]);
    EXPECT_EQ(pressed.getKind(), MouseEvent::ButtonPressed);
    EXPECT_EQ(std::make_pair(pressed.getX(), pressed.getY()), std::make_pair(5, 6));
    EXPECT_EQ(as<MouseEvent>(mouse.heard[2]).getKind(), MouseEvent::ButtonReleased);
    std::vector<int> kinds;
    for (const EventPtr& event : window.heard)
        kinds.push_back(as<WindowEvent>(event).getKind());
    EXPECT_EQ(kinds, (std::vector<int>{WindowEvent::Minimized, WindowEvent::InputFocusLost,
                                       WindowEvent::MouseFocusLost, WindowEvent::Restored,
                                       WindowEvent::MouseFocusGained}));
}

// The filter keeps input and quit events only, and goes with the manager.
TEST(InputManager, KeyRepeatIsOffAndFilterGoesWithTheManager) {
    SDL_EnableKeyRepeat(SDL_DEFAULT_REPEAT_DELAY, SDL_DEFAULT_REPEAT_INTERVAL);
    {
        InputManager input;
        int delay = -1, interval = -1;
        SDL_GetKeyRepeat(&delay, &interval);
        EXPECT_EQ(std::make_pair(delay, interval), std::make_pair(0, 0));
        EXPECT_EQ(SDL_GetEventFilter(), &InputManager::filterEvent);
        for (Uint8 type : {SDL_MOUSEBUTTONUP, SDL_QUIT, SDL_VIDEORESIZE, SDL_USEREVENT}) {
            SDL_Event event{};
            event.type = type;
            EXPECT_EQ(InputManager::filterEvent(&event), type <= SDL_QUIT ? 1 : 0) << int(type);
        }
    }
    EXPECT_EQ(SDL_GetEventFilter(), nullptr);
}
