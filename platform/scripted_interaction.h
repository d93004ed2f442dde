#pragma once
// The interaction of the tests: answers are queued in advance and every
// box, status line, question, menu, cursor move and window call is recorded
// for assertions. A queued answer serves a box (its button id), a question
// (its button number) or a menu (the id of the item chosen). Dialogs take
// their actions from a queue of their own and are recorded as they stood
// when they opened and when they closed; folder picks and clipboard text
// are recorded too.
#include <deque>
#include <string>
#include <vector>

#include "platform/interaction.h"
#include "platform/popup_menu.h"

struct InteractionEvent {
  enum Kind {
    Box, Status, Response, Open, Help, MenuShown, Foreground, Top, Cursor, Mouse,
    DialogShown, Folder, Clipboard,
  };
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

// One modal dialog from its opening to its end.
struct RecordedDialog {
  DialogState opened;   // as OnInitDialog filled it
  DialogState closed;   // as it stood when it ended
  std::vector<DialogAction> actions;  // what was played on it
  std::vector<std::string> refused;   // actions it could not play, with why
  int result = 0;
  bool IsOpen() const { return closed.caption.empty() && closed.controls.empty(); }
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
  // Queues a dialog action, given as text ("click 1", "type 203 pump"); a
  // folder pick is queued as "folder PATH" ("folder" alone: Cancel).
  void QueueAction(const std::string& action);
  void QueueAction(const DialogAction& action) { actions_.push_back(action); }

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
  void DialogOpened(const DialogState& dialog) override;
  DialogAction NextDialogAction(const DialogState& dialog) override;
  void DialogActionRefused(const DialogAction& action, const std::string& why) override;
  void DialogClosed(const DialogState& dialog, int result) override;
  std::optional<std::string> BrowseForFolder(const std::string& title) override;
  void SetClipboardText(const std::string& text) override;

  // Where the mouse cursor stands until the module moves it.
  void PlaceCursor(ScreenPoint at) { cursor_ = at; }

  const std::vector<InteractionEvent>& Events() const { return events_; }
  std::vector<InteractionEvent> Boxes() const { return Only(InteractionEvent::Box); }
  std::vector<std::string> StatusLines() const;
  std::vector<InteractionEvent> Menus() const { return Only(InteractionEvent::MenuShown); }
  // Every dialog shown, in order.
  const std::vector<RecordedDialog>& Dialogs() const { return dialogs_; }
  // The texts placed on the clipboard, in order.
  std::vector<std::string> ClipboardTexts() const;
  void Clear() {
    events_.clear();
    dialogs_.clear();
  }

 private:
  std::vector<InteractionEvent> Only(InteractionEvent::Kind kind) const;
  bool NextAnswer(int* answer);
  std::deque<int> answers_;
  std::deque<DialogAction> actions_;
  std::vector<InteractionEvent> events_;
  std::vector<RecordedDialog> dialogs_;
  std::vector<std::size_t> openDialogs_;  // indexes into dialogs_, innermost last
  Interaction* previous_;
  ScreenPoint cursor_{400, 300};
};
