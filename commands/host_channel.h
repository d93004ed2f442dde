#pragma once
// What a command's own work needs of the host: evaluate an ACL expression,
// execute an ACL command line. A failed call raises _com_error.
#include <optional>
#include <string>
#include <string_view>

#include "platform/com_types.h"

class HostChannel {
 public:
  virtual ~HostChannel() = default;
  // The expression's value as narrow (ANSI) text.
  virtual std::string Evaluate(const std::string& expression) = 0;
  // The same, through the conversion the body reading uses: no value when
  // the conversion fails.
  virtual std::optional<std::string> EvaluateConverted(const std::string& expression) = 0;
  // The value as markup to send back to the host: narrow text in which a
  // character the ANSI code page cannot hold is written as a character
  // reference, so nothing is lost on the way back.
  virtual std::string EvaluateMarkup(const std::string& expression) = 0;
  virtual void Execute(const std::string& command) = 0;
  // Executes without raising when the host fails the call (a search that
  // finds nothing is frequent): false, with the host's description of the
  // failure in `description` (when given).
  virtual bool TryExecute(const std::string& command, std::string* description);
};

// Wide text as narrow markup text (see EvaluateMarkup).
std::string WideToAnsiMarkup(std::u16string_view wide);

// `mes "TEXT"`: one line on the host's status line.
std::string StatusCommand(const std::string& text);
// Sends a status line.
void SendStatus(HostChannel& host, const std::string& text);
// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
