#pragma once
// Everything the module asks of the person at the screen goes through one
// interface: message boxes, the host's status line and its questions, popup
// menus, modal dialogs, the folder picker, the clipboard, the mouse cursor
// and the placement of windows. The console
// implementation serves the `kesta` command, the scripted one the tests.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_data.h"

// Message box styles (buttons in the low nibble, icon in the next).
constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_OKCANCEL = 0x0001;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x0002;
constexpr unsigned MB_YESNOCANCEL = 0x0003;
constexpr unsigned MB_YESNO = 0x0004;
constexpr unsigned MB_RETRYCANCEL = 0x0005;
constexpr unsigned MB_TYPEMASK = 0x000F;
constexpr unsigned MB_ICONHAND = 0x0010;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x0020;
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONASTERISK = 0x0040;
constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr unsigned MB_ICONMASK = 0x00F0;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;

// Button ids a box returns.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

struct Menu;  // platform/popup_menu.h

// A window of the desktop; 0 is none.
using WindowHandle = unsigned long;
// The host's edit window, the one window this desktop has.
inline constexpr WindowHandle kHostWindow = 1;

// A point on the screen, in pixels.
struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// The caption of the framework's message box.
inline constexpr const char* kAppTitle = "KESta Checker";

class Interaction {
 public:
  virtual ~Interaction() = default;
  // Shows a box; returns the id of the button pressed.
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
  // One line on the host's status line.
  virtual void StatusLine(const std::string& text) = 0;
  // A host question (ACL `response`): the prompt and its buttons; returns
  // the 1-based number of the button chosen, 0 when dismissed.
  virtual int Response(const std::string& prompt, const std::vector<std::string>& buttons) = 0;
  // Opens a file with the desktop's program for it (the shell's "open").
  virtual void ShellOpen(const std::string& path) { (void)path; }
  // Opens a compiled help file at a topic.
  virtual void ShowHelp(const std::string& helpFile, unsigned topic) {
    (void)helpFile;
    (void)topic;
  }
  // Shows a popup menu at a screen point and waits; returns the id of the
  // item chosen, 0 when the menu is dismissed.
  virtual int PopupMenu(const Menu& menu, ScreenPoint at) {
    (void)menu;
    (void)at;
    return 0;
  }
  // Window placement: the active window, the one with the keyboard focus,
  // bringing a window to the foreground and to the top.
  virtual WindowHandle ActiveWindow() { return kHostWindow; }
  virtual WindowHandle FocusWindow() { return kHostWindow; }
  virtual void SetForegroundWindow(WindowHandle window) { (void)window; }
  virtual void BringWindowToTop(WindowHandle window) { (void)window; }
  // The mouse: where the cursor is, moving it, pressing its buttons.
  virtual ScreenPoint CursorPos() { return {}; }
  virtual void SetCursorPos(ScreenPoint at) { (void)at; }
  virtual void MouseEvent(unsigned flags, ScreenPoint at) {
    (void)flags;
    (void)at;
  }
  // A modal dialog: shown once it is filled, then asked for the user's next
  // action until it ends; a dialog nobody acts on is closed (Cancel).
  virtual void DialogOpened(const DialogState& dialog) { (void)dialog; }
  virtual DialogAction NextDialogAction(const DialogState& dialog) {
    (void)dialog;
    return DialogAction::Dismissed();
  }
  // An action the dialog could not play (no such control, wrong kind).
  virtual void DialogActionRefused(const DialogAction& action, const std::string& why) {
    (void)action;
    (void)why;
  }
  virtual void DialogClosed(const DialogState& dialog, int result) {
    (void)dialog;
    (void)result;
  }
  // The folder picker: the folder chosen, no value for Cancel.
  virtual std::optional<std::string> BrowseForFolder(const std::string& title) {
    (void)title;
    return std::nullopt;
  }
  // Places text on the clipboard.
  virtual void SetClipboardText(const std::string& text) { (void)text; }
};

// The interaction in use; the console one unless a test or the CLI set another.
Interaction& CurrentInteraction();
// Sets the interaction in use (null restores the console one); returns the
// previous one.
Interaction* SetInteraction(Interaction* interaction);

// The answer a box gets when nobody can answer: OK for an OK box, No for a
// Yes/No question, Cancel where there is a Cancel button.
int DismissedAnswer(unsigned style);

// A system message box without an owner window.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style);
// The framework's message box: the application title as caption.
int AfxMessageBox(const std::string& text, unsigned style = MB_OK);
