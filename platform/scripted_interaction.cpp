#include "platform/scripted_interaction.h"

ScriptedInteraction::ScriptedInteraction() : previous_(SetInteraction(this)) {}

ScriptedInteraction::~ScriptedInteraction() { SetInteraction(previous_); }

int ScriptedInteraction::MessageBox(const std::string& text, const std::string& caption,
                                    unsigned style) {
  int answer = DismissedAnswer(style);
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  events_.push_back({InteractionEvent::Box, text, caption, style, {}, answer});
  return answer;
}

void ScriptedInteraction::StatusLine(const std::string& text) {
  events_.push_back({InteractionEvent::Status, text, {}, 0, {}, 0});
}

int ScriptedInteraction::Response(const std::string& prompt, const std::vector<std::string>& buttons) {
  int answer = 0;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  events_.push_back({InteractionEvent::Response, prompt, {}, 0, buttons, answer});
  return answer;
}

void ScriptedInteraction::ShellOpen(const std::string& path) {
  events_.push_back({InteractionEvent::Open, path, {}, 0, {}, 0});
}

void ScriptedInteraction::ShowHelp(const std::string& helpFile, unsigned topic) {
  events_.push_back({InteractionEvent::Help, helpFile, {}, 0, {}, static_cast<int>(topic)});
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
