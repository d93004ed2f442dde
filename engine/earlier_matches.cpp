#include "engine/earlier_matches.h"

#include <string>

#include "engine/ascii_text.h"
#include "engine/neighbours.h"

namespace {

// The written text as the document's characters: each reference one
// character that no search letter matches.
std::string DocumentChars(std::string_view written) {
  std::string s;
  s.reserve(written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '&') {
      const std::size_t semi = written.find(';', i + 1);
      if (semi != std::string_view::npos && semi - i <= 32) {
        s += '\x01';
        i = semi;
        continue;
      }
    }
    s += written[i];
  }
  return s;
}

int Occurrences(std::string_view text, std::string_view search) {
  int n = 0;
  for (std::size_t p = text.find(search); p != std::string_view::npos; p = text.find(search, p + search.size())) ++n;
  return n;
}

}  // namespace

bool PlainSearchText(std::string_view search) {
  if (search.size() < 2) return false;
  for (char c : search)
    if (!IsAsciiLetter(static_cast<unsigned char>(c)) && !IsDigit(static_cast<unsigned char>(c))) return false;
  return true;
}

int CountEarlierMatches(const WordRec* from, const WordRec* to, std::string_view search, bool wholeWord) {
  if (!PlainSearchText(search)) return 0;
  int n = 0;
  for (const WordRec* w = from; w != to && !AtEnd(w); w = Next(w)) {
    const std::string text = DocumentChars(w->written.view());
    n += wholeWord ? (text == search ? 1 : 0) : Occurrences(text, search);
  }
  return n;
}
