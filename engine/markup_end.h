#pragma once
// Where markup ends, as XML reads it: a comment after its "-->", a
// processing instruction after its "?>", a CDATA section after its "]]>",
// another declaration after its '>', and a tag after the first '>' outside
// a quoted attribute value. A '>' inside a value, an instruction or a
// comment (a review note "a > b") belongs to the markup and ends nothing.
#include <string_view>

// `p` is the markup's '<'; `atEnd(q)` is true where the text ends. The
// position after the markup, or where the text ends when it never closes.
template <class Char, class AtEnd>
Char* MarkupEnd(Char* p, AtEnd atEnd) {
  auto startsWith = [&](Char* q, std::string_view s) {
    for (char c : s) {
      if (atEnd(q) || *q != c) return false;
      ++q;
    }
    return true;
  };
  auto after = [&](Char* q, std::string_view close) {
    for (; !atEnd(q); ++q)
      if (*q == close[0] && startsWith(q, close)) return q + close.size();
    return q;
  };
  if (startsWith(p, "<!--")) return after(p + 4, "-->");
  if (startsWith(p, "<![CDATA[")) return after(p + 9, "]]>");
  if (startsWith(p, "<?")) return after(p + 2, "?>");
  if (startsWith(p, "<!")) return after(p + 2, ">");
  char quote = 0;
  Char* q = p + 1;
  for (; !atEnd(q); ++q) {
    if (quote) {
      if (*q == quote) quote = 0;
    } else if (*q == '"' || *q == '\'') {
      quote = *q;
    } else if (*q == '>') {
      return q + 1;
    }
  }
  return q;
}

// The same in `text`, for the '<' at `at`: an offset, text.size() when the
// markup never closes.
inline std::size_t MarkupEnd(std::string_view text, std::size_t at) {
  const char* end = text.data() + text.size();
  return static_cast<std::size_t>(MarkupEnd(text.data() + at, [end](const char* q) { return q >= end; }) -
                                  text.data());
}
