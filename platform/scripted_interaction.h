#pragma once
// The interaction of the tests: answers are queued in advance and every
// box, status line, question, menu, cursor move and window call is recorded
// for assertions. A queued answer serves a box (its button id), a question
// (its button number) or a menu (the id of the item chosen).
#include <deque>
#include <string>
#include <vector>

#include "platform/interaction.h"
#include "platform/popup_menu.h"

struct InteractionEvent {
  enum Kind { Box, Status, Response, Open, Help, MenuShown, Foreground, Top, Cursor, Mouse };
  Kind kind = Status;
  std::string text;      // box text, status text or prompt
  std::string caption;   // box caption
  unsigned style = 0;    // box style
  std::vector<std::string> buttons;  // question buttons
  int answer = 0;        // what was returned; the topic of a help call
  Menu menu;             // the menu as shown
  ScreenPoint at;        // where the menu was shown, the cursor put, the mouse pressed
  unsigned long window = 0;  // the window of a placement call; mouse flags
};

class ScriptedInteraction : public Interaction {
 public:
  // Installs itself as the current interaction; the destructor restores
  // the previous one.
  ScriptedInteraction();
  ~ScriptedInteraction() override;
  ScriptedInteraction(const ScriptedInteraction&) = delete;
  ScriptedInteraction& operator=(const ScriptedInteraction&) = delete;

  void QueueAnswer(int answer) { answers_.push_back(answer); }

  int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
  void StatusLine(const std::string& text) override;
  int Response(const std::string& prompt, const std::vector<std::string>& buttons) override;
  void ShellOpen(const std::string& path) override;
  void ShowHelp(const std::string& helpFile, unsigned topic) override;
  int PopupMenu(const Menu& menu, ScreenPoint at) override;
  void SetForegroundWindow(WindowHandle window) override;
  void BringWindowToTop(WindowHandle window) override;
  ScreenPoint CursorPos() override { return cursor_; }
  void SetCursorPos(ScreenPoint at) override;
  void MouseEvent(unsigned flags, ScreenPoint at) override;

  // Where the mouse cursor stands until the module moves it.
  void PlaceCursor(ScreenPoint at) { cursor_ = at; }

  const std::vector<InteractionEvent>& Events() const { return events_; }
  std::vector<InteractionEvent> Boxes() const { return Only(InteractionEvent::Box); }
  std::vector<std::string> StatusLines() const;
  std::vector<InteractionEvent> Menus() const { return Only(InteractionEvent::MenuShown); }
  void Clear() { events_.clear(); }

 private:
  std::vector<InteractionEvent> Only(InteractionEvent::Kind kind) const;
  bool NextAnswer(int* answer);
  std::deque<int> answers_;
  std::vector<InteractionEvent> events_;
  Interaction* previous_;
  ScreenPoint cursor_{400, 300};
};
