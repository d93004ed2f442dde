#pragma once
// The interaction of the `kesta` command: every box, status line, question
// and menu goes to standard error; answers come from a queue given on the
// command line, then from the terminal when there is one, else a question
// or menu is dismissed. A menu is printed with its choices numbered from 1;
// the answer is the number of the choice, 0 closes the menu, and one that
// names a greyed row or no row is refused. A dialog is printed as text each
// time it changes; the user's actions on it ("click 1", "type 203 pump")
// come from their own queue, then from the terminal; a dialog nobody acts
// on closes as Cancel. Text put on the clipboard is printed and written to
// "Kesta_Clipboard.txt" in the profile folder, from where it can be pasted.
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "platform/interaction.h"

class ConsoleInteraction : public Interaction {
 public:
  explicit ConsoleInteraction(std::FILE* out = stderr) : out_(out) {}
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  void QueueAction(const DialogAction& action) { actions_.push_back(action); }
  void SetTerminalAnswers(bool enabled) { terminal_ = enabled; }
  // Why an answer to a menu was refused (it named a greyed row, or no row,
  // and the menu was dismissed for it); empty while none was. The first
  // refusal is kept.
  const std::string& RefusedAnswer() const { return refusedAnswer_; }

  int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
  void StatusLine(const std::string& text) override;
  int Response(const std::string& prompt, const std::vector<std::string>& buttons) override;
  // Both say what they open; a file is opened with the desktop's opener
  // when there is one and a display to show it on.
  void ShellOpen(const std::string& path) override;
  void ShowHelp(const std::string& helpFile, unsigned topic) override;
  int PopupMenu(const Menu& menu, ScreenPoint at) override;
  void DialogOpened(const DialogState& dialog) override;
  DialogAction NextDialogAction(const DialogState& dialog) override;
  void DialogActionRefused(const DialogAction& action, const std::string& why) override;
  void DialogClosed(const DialogState& dialog, int result) override;
  std::optional<std::string> BrowseForFolder(const std::string& title) override;
  void SetClipboardText(const std::string& text) override;

 private:
  bool NextAnswer(int* answer);
  bool AskTerminal(const std::string& question, int* answer);
  bool AskTerminalLine(const std::string& question, std::string* line);
  void PrintDialog(const DialogState& dialog);
  void Refuse(const std::string& why);

  std::FILE* out_;
  std::deque<int> answers_;
  std::deque<DialogAction> actions_;
  std::vector<std::string> shownDialog_;  // the dialog as last printed
  bool terminal_ = false;
  std::string refusedAnswer_;
};
