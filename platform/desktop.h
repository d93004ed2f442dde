#pragma once
// The cursor and window calls of the system's user interface, served by the
// interaction in use.
#include "platform/interaction.h"

// mouse_event flags.
constexpr unsigned MOUSEEVENTF_RIGHTDOWN = 0x0008;
constexpr unsigned MOUSEEVENTF_RIGHTUP = 0x0010;

WindowHandle GetActiveWindow();
WindowHandle GetFocus();
bool SetForegroundWindow(WindowHandle window);
bool BringWindowToTop(WindowHandle window);
bool GetCursorPos(ScreenPoint* at);
bool SetCursorPos(int x, int y);
void mouse_event(unsigned flags, int x, int y);
