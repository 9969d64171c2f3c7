// Real input through the system (SendInput): under Wine and Xvfb it travels through the X11
// driver like a user's, so hit testing, capture, activation and double clicks are the system's.
#pragma once

#include <windows.h>

// Moves the pointer to `screen` (absolute, in pixels).
void MoveMouseTo(POINT screen);
void PressLeftButton();
void ReleaseLeftButton();
// Moves to `screen`, then presses and releases the left button.
void ClickAt(POINT screen);
// Two clicks at `screen` in one batch, well inside the double-click time.
void DoubleClickAt(POINT screen);
// Presses and releases a key.
void PressKey(WORD virtualKey);
// Presses at `from`, waits until a window of `window`'s thread has taken the mouse (a control's
// capture or a move loop), moves in steps to `to` and releases there.
void DragMouse(HWND window, POINT from, POINT to);
