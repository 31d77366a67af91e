#pragma once

#include "app/LevelActionListener.h"
#include "core/KeyListener.h"
#include "core/MouseListener.h"
#include "core/WindowListener.h"

// The game's own answers to keys (Escape, Print Screen, P, Return), clicks, window activity and
// level actions. Everything here only sets flags or pauses; screens change between frames.
class MainListener : public KeyListener,
                     public MouseListener,
                     public WindowListener,
                     public LevelActionListener {
public:
    void keyPressed(const KeyEventPtr& event) override;
    void mouseButtonPressed(const MouseEventPtr& event) override;
    void windowMinimized(const WindowEventPtr& event) override;
    void windowRestored(const WindowEventPtr& event) override;
    void inputFocusLost(const WindowEventPtr& event) override;
    void endLevel(const LevelActionEventPtr& event) override;
    void resetLevel(const LevelActionEventPtr& event) override;

    // Pauses or resumes the running level with its sound, showing "PauseTextDisplay" meanwhile.
    void togglePause(double time);
};

extern MainListener mainListener;
