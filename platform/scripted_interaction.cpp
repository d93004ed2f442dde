#include "platform/scripted_interaction.h"

#include <stdexcept>

namespace {
InteractionEvent Event(InteractionEvent::Kind kind, std::string text = {}) {
  InteractionEvent e;
  e.kind = kind;
  e.text = std::move(text);
  return e;
}
}  // namespace

ScriptedInteraction::ScriptedInteraction() : previous_(SetInteraction(this)) {}

ScriptedInteraction::~ScriptedInteraction() { SetInteraction(previous_); }

bool ScriptedInteraction::NextAnswer(int* answer) {
  if (answers_.empty()) return false;
  *answer = answers_.front();
  answers_.pop_front();
  return true;
}

int ScriptedInteraction::MessageBox(const std::string& text, const std::string& caption,
                                    unsigned style) {
  int answer = DismissedAnswer(style);
  NextAnswer(&answer);
  InteractionEvent e = Event(InteractionEvent::Box, text);
  e.caption = caption;
  e.style = style;
  e.answer = answer;
  events_.push_back(std::move(e));
  return answer;
}

void ScriptedInteraction::StatusLine(const std::string& text) {
  events_.push_back(Event(InteractionEvent::Status, text));
}

int ScriptedInteraction::Response(const std::string& prompt, const std::vector<std::string>& buttons) {
  int answer = 0;
  NextAnswer(&answer);
  InteractionEvent e = Event(InteractionEvent::Response, prompt);
  e.buttons = buttons;
  e.answer = answer;
  events_.push_back(std::move(e));
  return answer;
}

void ScriptedInteraction::ShellOpen(const std::string& path) {
  events_.push_back(Event(InteractionEvent::Open, path));
}

void ScriptedInteraction::ShowHelp(const std::string& helpFile, unsigned topic) {
  InteractionEvent e = Event(InteractionEvent::Help, helpFile);
  e.answer = static_cast<int>(topic);
  events_.push_back(std::move(e));
}

int ScriptedInteraction::PopupMenu(const Menu& menu, ScreenPoint at) {
  int answer = 0;
  NextAnswer(&answer);
  InteractionEvent e = Event(InteractionEvent::MenuShown);
  e.menu = menu;
  e.at = at;
  e.answer = answer;
  events_.push_back(std::move(e));
  return answer;
}

void ScriptedInteraction::SetForegroundWindow(WindowHandle window) {
  InteractionEvent e = Event(InteractionEvent::Foreground);
  e.window = window;
  events_.push_back(std::move(e));
}

void ScriptedInteraction::BringWindowToTop(WindowHandle window) {
  InteractionEvent e = Event(InteractionEvent::Top);
  e.window = window;
  events_.push_back(std::move(e));
}

void ScriptedInteraction::SetCursorPos(ScreenPoint at) {
  cursor_ = at;
  InteractionEvent e = Event(InteractionEvent::Cursor);
  e.at = at;
  events_.push_back(std::move(e));
}

void ScriptedInteraction::MouseEvent(unsigned flags, ScreenPoint at) {
  InteractionEvent e = Event(InteractionEvent::Mouse);
  e.at = at;
  e.window = flags;
  events_.push_back(std::move(e));
}

std::vector<InteractionEvent> ScriptedInteraction::Only(InteractionEvent::Kind kind) const {
  std::vector<InteractionEvent> out;
  for (const auto& e : events_)
    if (e.kind == kind) out.push_back(e);
  return out;
}

std::vector<std::string> ScriptedInteraction::StatusLines() const {
  std::vector<std::string> out;
  for (const auto& e : events_)
    if (e.kind == InteractionEvent::Status) out.push_back(e.text);
  return out;
}

void ScriptedInteraction::QueueAction(const std::string& text) {
  DialogAction action;
  std::string error;
  if (!ParseDialogAction(text, &action, &error)) throw std::invalid_argument(error);
  actions_.push_back(action);
}

void ScriptedInteraction::DialogOpened(const DialogState& dialog) {
  RecordedDialog record;
  record.opened = dialog;
  dialogs_.push_back(std::move(record));
  openDialogs_.push_back(dialogs_.size() - 1);
  InteractionEvent e = Event(InteractionEvent::DialogShown, dialog.caption);
  e.answer = static_cast<int>(dialog.id);
  events_.push_back(std::move(e));
}

DialogAction ScriptedInteraction::NextDialogAction(const DialogState& /*dialog*/) {
  DialogAction action = DialogAction::Dismissed();
  if (!actions_.empty() && actions_.front().kind != DialogAction::Folder) {
    action = actions_.front();
    actions_.pop_front();
  }
  if (!openDialogs_.empty()) dialogs_[openDialogs_.back()].actions.push_back(action);
  return action;
}

void ScriptedInteraction::DialogActionRefused(const DialogAction& action, const std::string& why) {
  if (!openDialogs_.empty())
    dialogs_[openDialogs_.back()].refused.push_back(DialogActionText(action) + ": " + why);
}

void ScriptedInteraction::DialogClosed(const DialogState& dialog, int result) {
  if (openDialogs_.empty()) return;
  RecordedDialog& record = dialogs_[openDialogs_.back()];
  openDialogs_.pop_back();
  record.closed = dialog;
  record.result = result;
}

std::optional<std::string> ScriptedInteraction::BrowseForFolder(const std::string& title) {
  std::optional<std::string> folder;
  if (!actions_.empty() && actions_.front().kind == DialogAction::Folder) {
    if (!actions_.front().text.empty()) folder = actions_.front().text;
    actions_.pop_front();
  }
  InteractionEvent e = Event(InteractionEvent::Folder, title);
  e.caption = folder.value_or("");
  events_.push_back(std::move(e));
  return folder;
}

void ScriptedInteraction::SetClipboardText(const std::string& text) {
  events_.push_back(Event(InteractionEvent::Clipboard, text));
}

std::vector<std::string> ScriptedInteraction::ClipboardTexts() const {
  std::vector<std::string> out;
  for (const auto& e : events_)
    if (e.kind == InteractionEvent::Clipboard) out.push_back(e.text);
  return out;
}
