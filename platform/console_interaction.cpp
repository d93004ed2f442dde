#include "platform/console_interaction.h"

#include "platform/files.h"
#include "platform/popup_menu.h"
#include "platform/profile_folder.h"
#include "platform/wide_text.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>

bool ConsoleInteraction::NextAnswer(int* answer) {
  if (answers_.empty()) return false;
  *answer = answers_.front();
  answers_.pop_front();
  return true;
}

bool ConsoleInteraction::AskTerminal(const std::string& question, int* answer) {
  if (!terminal_) return false;
  std::fprintf(out_, "%s ", question.c_str());
  std::fflush(out_);
  std::string line;
  if (!std::getline(std::cin, line)) return false;
  char* end = nullptr;
  long v = std::strtol(line.c_str(), &end, 10);
  if (end == line.c_str()) return false;
  *answer = static_cast<int>(v);
  return true;
}

bool ConsoleInteraction::AskTerminalLine(const std::string& question, std::string* line) {
  if (!terminal_) return false;
  std::fprintf(out_, "%s ", question.c_str());
  std::fflush(out_);
  return static_cast<bool>(std::getline(std::cin, *line));
}

int ConsoleInteraction::MessageBox(const std::string& text, const std::string& caption,
                                   unsigned style) {
  // Boxes and menus come from the module, in its code page; the terminal
  // reads UTF-8.
  std::fprintf(out_, "[box %s] %s\n", AnsiToUtf8(caption).c_str(), AnsiToUtf8(text).c_str());
  std::fflush(out_);
  int answer = 0;
  if ((style & MB_TYPEMASK) == MB_OK) {
    NextAnswer(&answer);  // an OK box takes its queued answer too, and shows OK
    return IDOK;
  }
  if (NextAnswer(&answer)) return answer;
  if (AskTerminal("answer (1 OK, 2 Cancel, 6 Yes, 7 No):", &answer)) return answer;
  return DismissedAnswer(style);
}

void ConsoleInteraction::StatusLine(const std::string& text) {
  std::fprintf(out_, "[status] %s\n", text.c_str());
  std::fflush(out_);
}

int ConsoleInteraction::Response(const std::string& prompt, const std::vector<std::string>& buttons) {
  int answer = 0;
  if (!NextAnswer(&answer)) {
    std::string question = prompt + " [";
    for (std::size_t i = 0; i < buttons.size(); ++i)
      question += (i ? ", " : "") + std::to_string(i + 1) + " " + buttons[i];
    question += "]";
    if (!AskTerminal(question, &answer)) answer = 0;
  }
  std::fprintf(out_, "[response] %s -> %d\n", prompt.c_str(), answer);
  std::fflush(out_);
  return answer;
}

namespace {
// The desktop's opener, when the machine has one and a display to use.
bool DesktopOpen(const std::string& path) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return false;
  const char* opener = "/usr/bin/xdg-open";
  if (access(opener, X_OK) != 0) return false;
  char* const argv[] = {const_cast<char*>(opener), const_cast<char*>(path.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, opener, nullptr, nullptr, argv, environ) != 0) return false;
  // The opener hands the file over and ends; wait for it so no zombie stays.
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
}  // namespace

void ConsoleInteraction::ShellOpen(const std::string& path) {
  std::fprintf(out_, "[open] %s\n", AnsiToUtf8(path).c_str());
  std::fflush(out_);
  DesktopOpen(NativePath(path));
}

void ConsoleInteraction::ShowHelp(const std::string& helpFile, unsigned topic) {
  std::fprintf(out_, "[help] %s topic %u\n", AnsiToUtf8(helpFile).c_str(), topic);
  std::fflush(out_);
  DesktopOpen(NativePath(helpFile));
}

int ConsoleInteraction::PopupMenu(const Menu& menu, ScreenPoint /*at*/) {
  // Every command item gets its number, also a greyed one, so that the
  // numbers stay put while items change state.
  std::vector<MenuLine> numbered;
  for (const MenuLine& line : MenuLines(menu)) {
    const MenuItem& item = *line.item;
    std::string indent(static_cast<std::size_t>(line.depth) * 2, ' ');
    std::string text;
    if (item.separator) {
      text = indent + "--------";
    } else if (item.popup) {
      text = indent + item.text + ":" + (item.grayed ? " (greyed)" : "");
    } else {
      numbered.push_back(line);
      text = indent + std::to_string(numbered.size()) + " " + item.text;
      std::string marks;
      if (item.checked) marks += "checked";
      if (item.isDefault) marks += marks.empty() ? "default" : ", default";
      if (!line.choosable) marks += marks.empty() ? "greyed" : ", greyed";
      if (!marks.empty()) text += " (" + marks + ")";
    }
    std::fprintf(out_, "[menu] %s\n", AnsiToUtf8(text).c_str());
  }
  int answer = 0;
  if (!NextAnswer(&answer) && !AskTerminal("choose a number (0 closes the menu):", &answer)) answer = 0;
  // An answer that names no row to choose dismisses the menu, as the module
  // knows menus; the command learns why from RefusedAnswer.
  int id = 0;
  const std::string refused = "answer " + std::to_string(answer) + " refused: ";
  if (answer >= 1 && static_cast<std::size_t>(answer) <= numbered.size()) {
    const MenuLine& row = numbered[static_cast<std::size_t>(answer) - 1];
    if (row.choosable)
      id = static_cast<int>(row.item->id);
    else
      Refuse(refused + "row " + std::to_string(answer) + " of the menu (" + AnsiToUtf8(row.item->text) +
             ") is greyed, so it cannot be chosen");
  } else if (answer != 0) {
    Refuse(refused + "the menu has no row " + std::to_string(answer) +
           (numbered.empty() ? " (it has none)" : " (its rows are 1 to " + std::to_string(numbered.size()) + ")"));
  }
  std::fprintf(out_, "[menu] -> %d\n", id != 0 ? answer : 0);
  std::fflush(out_);
  return id;
}

void ConsoleInteraction::Refuse(const std::string& why) {
  if (refusedAnswer_.empty()) refusedAnswer_ = why;
}

void ConsoleInteraction::PrintDialog(const DialogState& dialog) {
  // The module's text is in its code page; the terminal reads UTF-8.
  std::vector<std::string> lines = DescribeDialog(dialog);
  for (std::string& line : lines) line = AnsiToUtf8(line);
  if (lines == shownDialog_) return;
  for (const std::string& line : lines) {
    // A text of several lines keeps the prefix on each.
    std::size_t start = 0;
    for (std::size_t nl; (nl = line.find('\n', start)) != std::string::npos; start = nl + 1)
      std::fprintf(out_, "[dialog] %s\n", line.substr(start, nl - start).c_str());
    std::fprintf(out_, "[dialog] %s\n", line.substr(start).c_str());
  }
  std::fflush(out_);
  shownDialog_ = std::move(lines);
}

void ConsoleInteraction::DialogOpened(const DialogState& dialog) {
  shownDialog_.clear();
  PrintDialog(dialog);
}

DialogAction ConsoleInteraction::NextDialogAction(const DialogState& dialog) {
  PrintDialog(dialog);
  DialogAction action = DialogAction::Dismissed();
  if (!actions_.empty() && actions_.front().kind != DialogAction::Folder) {
    action = actions_.front();
    actions_.pop_front();
  } else {
    for (std::string line;
         AskTerminalLine("action (click ID, type ID TEXT, select ID N, dblclick ID N, tick ID, untick ID, close):",
                         &line);) {
      std::string error;
      if (ParseDialogAction(line, &action, &error) && action.kind != DialogAction::Folder) break;
      std::fprintf(out_, "[dialog] %s\n", error.empty() ? "no folder is asked for" : error.c_str());
      action = DialogAction::Dismissed();
    }
  }
  std::fprintf(out_, "[dialog] > %s\n", DialogActionText(action).c_str());
  std::fflush(out_);
  // Typed text arrives in UTF-8 and goes to the module in its code page.
  action.text = Utf8ToAnsi(action.text);
  return action;
}

void ConsoleInteraction::DialogActionRefused(const DialogAction& action, const std::string& why) {
  std::fprintf(out_, "[dialog] cannot %s: %s\n", DialogActionText(action).c_str(), why.c_str());
  std::fflush(out_);
}

void ConsoleInteraction::DialogClosed(const DialogState& dialog, int result) {
  const char* name = result == IDOK ? " (OK)" : result == IDCANCEL ? " (Cancel)" : "";
  std::fprintf(out_, "[dialog] closed %s -> %d%s\n", dialog.caption.c_str(), result, name);
  std::fflush(out_);
  shownDialog_.clear();
}

std::optional<std::string> ConsoleInteraction::BrowseForFolder(const std::string& title) {
  std::fprintf(out_, "[folder] %s\n", title.c_str());
  std::optional<std::string> folder;
  // A folder arrives in UTF-8 and goes to the module in its code page.
  if (!actions_.empty() && actions_.front().kind == DialogAction::Folder) {
    folder = actions_.front().text;
    actions_.pop_front();
  } else {
    std::string line;
    if (AskTerminalLine("folder (empty for Cancel):", &line)) folder = line;
  }
  if (folder && folder->empty()) folder.reset();
  if (folder) {
    NoteGivenPath(*folder);
    folder = Utf8ToAnsi(*folder);
  }
  std::fprintf(out_, "[folder] -> %s\n", folder ? AnsiToUtf8(*folder).c_str() : "Cancel");
  std::fflush(out_);
  return folder;
}

void ConsoleInteraction::SetClipboardText(const std::string& ansi) {
  // The clipboard's plain text is in the code page; printed and kept in UTF-8.
  const std::string text = AnsiToUtf8(ansi);
  std::fprintf(out_, "[clipboard] %s\n", text.c_str());
  std::fflush(out_);
  std::string folder;
  int error = 0;
  if (!GetProfileFolder(&folder, &error)) return;
  if (std::FILE* f = OpenFile(ProfilePath(folder, "Kesta_Clipboard.txt"), "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
}
