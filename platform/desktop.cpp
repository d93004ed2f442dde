#include "platform/desktop.h"

WindowHandle GetActiveWindow() { return CurrentInteraction().ActiveWindow(); }

WindowHandle GetFocus() { return CurrentInteraction().FocusWindow(); }

bool SetForegroundWindow(WindowHandle window) {
  if (window == 0) return false;
  CurrentInteraction().SetForegroundWindow(window);
  return true;
}

bool BringWindowToTop(WindowHandle window) {
  if (window == 0) return false;
  CurrentInteraction().BringWindowToTop(window);
  return true;
}

bool GetCursorPos(ScreenPoint* at) {
  if (!at) return false;
  *at = CurrentInteraction().CursorPos();
  return true;
}

bool SetCursorPos(int x, int y) {
  CurrentInteraction().SetCursorPos({x, y});
  return true;
}

void mouse_event(unsigned flags, int x, int y) { CurrentInteraction().MouseEvent(flags, {x, y}); }
