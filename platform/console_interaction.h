#pragma once
// The interaction of the `kesta` command: every box, status line, question
// and menu goes to standard error; answers come from a queue given on the
// command line, then from the terminal when there is one, else a question
// or menu is dismissed. A menu is printed with its choices numbered from 1;
// the answer is the number of the choice.
#include <cstdio>
#include <deque>

#include "platform/interaction.h"

class ConsoleInteraction : public Interaction {
 public:
  explicit ConsoleInteraction(std::FILE* out = stderr) : out_(out) {}
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  void SetTerminalAnswers(bool enabled) { terminal_ = enabled; }

  int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
  void StatusLine(const std::string& text) override;
  int Response(const std::string& prompt, const std::vector<std::string>& buttons) override;
  // Both say what they open; a file is opened with the desktop's opener
  // when there is one and a display to show it on.
  void ShellOpen(const std::string& path) override;
  void ShowHelp(const std::string& helpFile, unsigned topic) override;
  int PopupMenu(const Menu& menu, ScreenPoint at) override;

 private:
  bool NextAnswer(int* answer);
  bool AskTerminal(const std::string& question, int* answer);

  std::FILE* out_;
  std::deque<int> answers_;
  bool terminal_ = false;
};
