#pragma once
// The tokens of C++ source text, as far as a scan of the rules' texts needs
// them: names, string literals (adjacent ones joined, escapes read),
// punctuation and the rest; comments and directives are dropped, but a macro
// definition is kept between the tokens "#define" and "#end".
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cpp_source {

enum class Kind { Ident, Literal, Punct, Other };

struct Token {
  Kind kind;
  std::string text;  // a literal's value, escapes read
  int line;
};

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Appends the tokens of `text`, whose first line is `line`.
void LexCpp(std::string_view text, int line, std::vector<Token>& out);

// For each token, the index of the bracket that pairs with it ("(" and ")",
// "[" and "]", "{" and "}", "#define" and "#end"), or kNone.
std::vector<std::size_t> BracketPartners(const std::vector<Token>& tokens);

}  // namespace cpp_source
