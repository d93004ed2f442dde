#include "editor/acl.h"

#include "editor/caret.h"

namespace editor {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == ':' || c == '.'; }

// Deep enough for any call the module makes; fuzzed text cannot exhaust
// the stack.
constexpr int kMaxNesting = 32;

class ExpressionReader {
 public:
  ExpressionReader(EditorState& state, std::string_view text) : state_(state), s_(text) {}

  std::string ReadWhole() {
    std::string value = Expression(0);
    SkipBlanks();
    if (i_ < s_.size() && s_[i_] == ';') ++i_;
    SkipBlanks();
    if (i_ != s_.size()) throw AclFailure{"unexpected text after the expression: " + std::string(s_.substr(i_))};
    return value;
  }

 private:
  void SkipBlanks() {
    while (i_ < s_.size() && IsBlank(s_[i_])) ++i_;
  }

  std::string Identifier() {
    std::size_t start = i_;
    while (i_ < s_.size() && IsIdentChar(s_[i_])) ++i_;
    return std::string(s_.substr(start, i_ - start));
  }

  std::string Expression(int depth) {
    if (depth > kMaxNesting) throw AclFailure{"expression nested too deeply"};
    SkipBlanks();
    if (i_ >= s_.size()) throw AclFailure{"an expression is missing"};
    char c = s_[i_];
    if (c == '\'' || c == '"') {
      std::size_t close = QuotedEnd(s_, i_);
      if (close == std::string_view::npos) throw AclFailure{"a string lacks its closing quote"};
      std::string value = QuotedValue(s_, i_, close);
      i_ = close + 1;
      return value;
    }
    if (c == '$') {
      ++i_;
      std::string name = Identifier();
      if (name == "selection") return SelectionMarkup(state_);
      throw AclFailure{"unknown variable $" + name};
    }
    bool sign = (c == '-' || c == '+') && i_ + 1 < s_.size() && s_[i_ + 1] >= '0' && s_[i_ + 1] <= '9';
    if ((c >= '0' && c <= '9') || sign) {
      std::size_t start = i_;
      ++i_;
      while (i_ < s_.size() && IsIdentChar(s_[i_])) ++i_;
      return std::string(s_.substr(start, i_ - start));
    }
    if (!IsIdentStart(c)) throw AclFailure{"unexpected text: " + std::string(s_.substr(i_))};
    std::string name = Identifier();
    SkipBlanks();
    if (i_ >= s_.size() || s_[i_] != '(') throw AclFailure{"unknown name " + name};
    ++i_;
    std::vector<std::string> args;
    SkipBlanks();
    if (i_ < s_.size() && s_[i_] == ')') {
      ++i_;
    } else {
      while (true) {
        args.push_back(Expression(depth + 1));
        SkipBlanks();
        if (i_ < s_.size() && s_[i_] == ',') {
          ++i_;
          continue;
        }
        if (i_ < s_.size() && s_[i_] == ')') {
          ++i_;
          break;
        }
        throw AclFailure{"the call of " + name + " is not closed"};
      }
    }
    const AclFunction* function = FindFunction(name);
    if (!function) throw AclFailure{"unknown function " + name};
    int n = static_cast<int>(args.size());
    if (n < function->minArgs || (function->maxArgs >= 0 && n > function->maxArgs))
      throw AclFailure{"wrong number of arguments for " + name};
    return function->call(state_, args);
  }

  EditorState& state_;
  std::string_view s_;
  std::size_t i_ = 0;
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A find command takes its text between two '/' as well as two '@'.
bool StartsFind(std::string_view rest) {
  rest = Trim(rest);
  return rest.substr(0, 4) == "find" && (rest.size() == 4 || IsBlank(rest[4]));
}

}  // namespace

std::size_t QuotedEnd(std::string_view s, std::size_t open) {
  const char quote = s[open];
  for (std::size_t i = open + 1; i < s.size(); ++i) {
    if (quote == '"' && s[i] == '\\') {
      ++i;
      continue;
    }
    if (s[i] == quote) return i;
  }
  return std::string_view::npos;
}

std::string QuotedValue(std::string_view s, std::size_t open, std::size_t close) {
  std::string_view body = s.substr(open + 1, close - open - 1);
  if (s[open] != '"') return std::string(body);
  std::string value;
  value.reserve(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    char c = body[i];
    if (c == '\\' && i + 1 < body.size()) {
      c = body[++i];
      if (c == 'n') c = '\n';
      else if (c == 't') c = '\t';
    }
    value += c;
  }
  return value;
}

std::vector<std::string_view> SplitCommandViews(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  int depth = 0;
  bool slashes = StartsFind(line);
  std::size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == '@' || c == '\'' || c == '"' || (c == '/' && slashes)) {
      // Nothing inside the region splits; an open region runs to the end.
      std::size_t close = c == '"' ? QuotedEnd(line, i) : line.find(c, i + 1);
      if (close == std::string_view::npos) break;
      i = close + 1;
      continue;
    }
    if (c == '(') {
      ++depth;
    } else if (c == ')' && depth > 0) {
      --depth;
    } else if (c == ';' && depth == 0) {
      out.push_back(line.substr(start, i - start));
      start = i + 1;
      slashes = StartsFind(line.substr(i + 1));
    }
    ++i;
  }
  out.push_back(line.substr(start));
  return out;
}

std::vector<std::string> SplitCommands(std::string_view line) {
  std::vector<std::string> out;
  for (std::string_view piece : SplitCommandViews(line)) out.emplace_back(piece);
  return out;
}

std::string EvaluateExpression(EditorState& state, std::string_view text) {
  return ExpressionReader(state, text).ReadWhole();
}

AclResult ExecuteLine(EditorState& state, std::string_view line) {
  for (std::string_view piece : SplitCommandViews(line)) {
    std::string_view command = Trim(piece);
    if (command.empty()) continue;
    std::size_t n = 0;
    while (n < command.size() && IsIdentChar(command[n])) ++n;
    std::string_view name = command.substr(0, n);
    std::string_view rest = Trim(command.substr(n));
    if (name.empty()) throw AclFailure{"not a command: " + std::string(command)};
    if (!rest.empty() && rest.front() == '(') {
      EvaluateExpression(state, command);  // a function called as a command
      continue;
    }
    const AclCommand* cmd = FindCommand(name);
    if (!cmd) throw AclFailure{"unknown command " + std::string(name)};
    if (AclResult failed = cmd->run(state, rest)) return failed;
  }
  return {};
}

}  // namespace editor
