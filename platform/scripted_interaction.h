#pragma once
// The interaction of the tests: answers are queued in advance and every
// box, status line and question is recorded for assertions.
#include <deque>
#include <string>
#include <vector>

#include "platform/interaction.h"

struct InteractionEvent {
  enum Kind { Box, Status, Response, Open, Help } kind;
  std::string text;      // box text, status text or prompt
  std::string caption;   // box caption
  unsigned style = 0;    // box style
  std::vector<std::string> buttons;  // question buttons
  int answer = 0;        // what was returned; the topic of a help call
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

  const std::vector<InteractionEvent>& Events() const { return events_; }
  std::vector<InteractionEvent> Boxes() const { return Only(InteractionEvent::Box); }
  std::vector<std::string> StatusLines() const;
  void Clear() { events_.clear(); }

 private:
  std::vector<InteractionEvent> Only(InteractionEvent::Kind kind) const;
  std::deque<int> answers_;
  std::vector<InteractionEvent> events_;
  Interaction* previous_;
};
