#pragma once
// The ACL the stand-in editor answers: expressions to evaluate (functions,
// nested calls, quoted strings in either quote, numbers, $selection; a
// trailing ';' allowed) and command lines to execute (one or more commands
// separated by ';'; a ';' inside @...@, /.../ of a find, quotes or
// parentheses does not separate). A command that cannot be performed
// raises AclFailure, or answers it (a find that finds nothing, an everyday
// outcome that is not worth an exception); either stops the line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_state.h"

namespace editor {

struct AclFailure {
  std::string message;
};

// A command's answer: empty when it was performed.
using AclResult = std::optional<AclFailure>;

std::string EvaluateExpression(EditorState& state, std::string_view text);
AclResult ExecuteLine(EditorState& state, std::string_view line);

// Quoted strings: in double quotes a backslash escapes the next character
// (\n and \t stand for a line feed and a tab); single quotes take their
// text as it stands. The index of the quote that closes the string opened
// at `open`, or npos.
std::size_t QuotedEnd(std::string_view s, std::size_t open);
// The value of the string s[open..close] (both quotes included).
std::string QuotedValue(std::string_view s, std::size_t open, std::size_t close);

// Pieces shared by the function and command tables.
std::vector<std::string> SplitCommands(std::string_view line);
// The same pieces as views into `line`.
std::vector<std::string_view> SplitCommandViews(std::string_view line);

using AclFunctionCall = std::string (*)(EditorState& state, const std::vector<std::string>& args);
struct AclFunction {
  const char* name;
  int minArgs;
  int maxArgs;  // -1: any number
  AclFunctionCall call;
};
const AclFunction* FindFunction(std::string_view name);

using AclCommandCall = AclResult (*)(EditorState& state, std::string_view args);
struct AclCommand {
  const char* name;
  AclCommandCall run;
};
const AclCommand* FindCommand(std::string_view name);

}  // namespace editor
