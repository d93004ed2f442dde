#pragma once
// Field helpers of the rule passes (namespace ascii); the character tests
// themselves are those of ascii_text.h.
#include <cstddef>
#include <string_view>

#include "engine/ascii_text.h"
#include "platform/bounded_text.h"

namespace ascii {

// Character i of a field; NUL for a negative index or one past the field,
// so that positions counted back from a length never read outside it.
template <std::size_t N, class C>
char At(const BoundedText<N, C>& t, int i) {
  return i < 0 ? '\0' : t[static_cast<std::size_t>(i)];
}

template <std::size_t N, class C>
bool Contains(const BoundedText<N, C>& t, char c) {
  return t.view().find(c) != std::string_view::npos;
}
template <std::size_t N, class C>
bool Contains(const BoundedText<N, C>& t, std::string_view s) {
  return t.view().find(s) != std::string_view::npos;
}

// The whole field in capitals.
template <std::size_t N, class C>
void ToUpperAll(BoundedText<N, C>& t) {
  std::size_t len = t.length();
  for (std::size_t i = 0; i < len; ++i) t.set(i, AsciiUpper(static_cast<unsigned char>(t[i])));
}

}  // namespace ascii
