#include "tests/engine/cpp_tokens.h"

#include <algorithm>
#include <cctype>

namespace cpp_source {
namespace {

bool IdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

void LexCpp(std::string_view s, int line, std::vector<Token>& out) {
  bool lineStart = true;
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '\n') {
      ++line, ++i, lineStart = true;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    if (s.substr(i, 2) == "//") {
      while (i < s.size() && s[i] != '\n') ++i;
      continue;
    }
    if (s.substr(i, 2) == "/*") {
      const std::size_t end = std::min(s.find("*/", i + 2), s.size() - 2) + 2;
      for (; i < end; ++i) line += s[i] == '\n';
      continue;
    }
    if (c == '#' && lineStart) {
      std::string logical;
      int lines = 0;
      for (; i < s.size() && s[i] != '\n'; ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\n') {
          logical += ' ';
          ++i, ++lines;
        } else {
          logical += s[i];
        }
      }
      const std::size_t word = logical.find_first_not_of(" \t", 1);
      const bool define = word != std::string::npos && logical.compare(word, 7, "define ") == 0;
      const std::size_t name = define ? logical.find_first_not_of(' ', word + 7) : std::string::npos;
      std::size_t after = name;
      while (define && after < logical.size() && IdentChar(logical[after])) ++after;
      if (define && after > name) {
        out.push_back({Kind::Punct, "#define", line});
        LexCpp(std::string_view(logical).substr(name), line, out);
        out.push_back({Kind::Punct, "#end", line});
      }
      line += lines;
      continue;
    }
    lineStart = false;
    if (c == '"') {
      std::string value;
      for (++i; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
          ++i;
          value += s[i] == 'n' ? '\n' : s[i] == 't' ? '\t' : s[i];
        } else {
          value += s[i];
        }
      }
      ++i;
      if (!out.empty() && out.back().kind == Kind::Literal)
        out.back().text += value;
      else
        out.push_back({Kind::Literal, value, line});
      continue;
    }
    if (c == '\'') {
      for (++i; i < s.size() && s[i] != '\''; ++i)
        if (s[i] == '\\') ++i;
      ++i;
      out.push_back({Kind::Other, "'", line});
      continue;
    }
    if (IdentStart(c) || std::isdigit(static_cast<unsigned char>(c))) {
      const std::size_t from = i;
      while (i < s.size() && (IdentChar(s[i]) || (!IdentStart(c) && s[i] == '.'))) ++i;
      out.push_back({IdentStart(c) ? Kind::Ident : Kind::Other, std::string(s.substr(from, i - from)), line});
      continue;
    }
    static constexpr std::string_view kPairs[] = {"->", "::", "==", "!=", "<=", ">=", "&&", "||", "+=", "-=", "|="};
    std::size_t len = 1;
    for (std::string_view pair : kPairs)
      if (s.substr(i, 2) == pair) len = 2;
    out.push_back({Kind::Punct, std::string(s.substr(i, len)), line});
    i += len;
  }
}

std::vector<std::size_t> BracketPartners(const std::vector<Token>& t) {
  std::vector<std::size_t> match(t.size(), kNone);
  std::vector<std::size_t> open;
  auto closes = [](std::string_view o, std::string_view c) {
    return (o == "(" && c == ")") || (o == "[" && c == "]") || (o == "{" && c == "}") ||
           (o == "#define" && c == "#end");
  };
  for (std::size_t k = 0; k < t.size(); ++k) {
    if (t[k].kind != Kind::Punct) continue;
    const std::string& s = t[k].text;
    if (s == "(" || s == "[" || s == "{" || s == "#define") {
      open.push_back(k);
    } else if (s == ")" || s == "]" || s == "}" || s == "#end") {
      while (!open.empty() && !closes(t[open.back()].text, s)) open.pop_back();
      if (open.empty()) continue;
      match[open.back()] = k;
      match[k] = open.back();
      open.pop_back();
    }
  }
  return match;
}

}  // namespace cpp_source
