#pragma once
// Character tests of the rule passes (namespace ascii). The checked text is Windows-1252, so
// only the ASCII letters and digits count as such; bytes above 127 are
// tested by their code-page values where a rule names them.
#include <cstddef>
#include <string_view>

#include "platform/bounded_text.h"

namespace ascii {

inline bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsLetter(char c) { return IsUpper(c) || IsLower(c); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline char ToUpper(char c) { return IsLower(c) ? char(c - 'a' + 'A') : c; }
inline char ToLower(char c) { return IsUpper(c) ? char(c - 'A' + 'a') : c; }

// Character i of a field; NUL for a negative index or one past the field,
// so that positions counted back from a length never read outside it.
template <std::size_t N>
char At(const BoundedText<N>& t, int i) {
  return i < 0 ? '\0' : t[static_cast<std::size_t>(i)];
}

template <std::size_t N>
bool Contains(const BoundedText<N>& t, char c) {
  return t.view().find(c) != std::string_view::npos;
}
template <std::size_t N>
bool Contains(const BoundedText<N>& t, std::string_view s) {
  return t.view().find(s) != std::string_view::npos;
}

// Equality ignoring the case of ASCII letters.
inline bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (ToLower(a[i]) != ToLower(b[i])) return false;
  return true;
}

// The whole field in capitals.
template <std::size_t N>
void ToUpperAll(BoundedText<N>& t) {
  std::size_t len = t.length();
  for (std::size_t i = 0; i < len; ++i) t.set(i, ToUpper(t[i]));
}

}  // namespace ascii
