#include "engine/advice_hints.h"

#include "engine/ascii_text.h"

namespace {

// Where the alternative that begins at `from` ends: the next '/', or the
// end. The first '/' of an advice that begins with a digit is a fraction's.
std::size_t AlternativeEnd(std::string_view advice, std::size_t from) {
  std::size_t slash = advice.find('/', from);
  if (from == 0 && slash != std::string_view::npos && !advice.empty() &&
      IsDigit(static_cast<unsigned char>(advice[0])))
    slash = advice.find('/', slash + 1);
  return slash == std::string_view::npos ? advice.size() : slash;
}

bool PlaceholderWord(std::string_view word) {
  if (EqualsNoCase(word, "yyy")) return true;
  if (word.size() < 2) return false;
  for (char c : word)
    if (c != 'x' && c != 'X') return false;
  return true;
}

}  // namespace

bool HoldsPlaceholder(std::string_view alternative) {
  if (alternative.find("...") != std::string_view::npos || alternative.find('\x85') != std::string_view::npos)
    return true;
  for (std::size_t i = 0; i < alternative.size();) {
    if (!IsAsciiLetter(static_cast<unsigned char>(alternative[i]))) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < alternative.size() && IsAsciiLetter(static_cast<unsigned char>(alternative[end]))) ++end;
    if (PlaceholderWord(alternative.substr(i, end - i))) return true;
    i = end;
  }
  return false;
}

std::string_view EdgeWord(std::string_view alt, bool last) {
  const std::size_t b = alt.find_first_not_of(' '), e = alt.find_last_not_of(' ');
  if (b == std::string_view::npos) return {};
  alt = alt.substr(b, e - b + 1);
  const std::size_t blank = last ? alt.rfind(' ') : alt.find(' ');
  if (blank == std::string_view::npos) return alt;
  return last ? alt.substr(blank + 1) : alt.substr(0, blank);
}

std::string AsHints(std::string_view advice) {
  std::string hints;
  for (std::size_t begin = 0; begin < advice.size();) {
    const std::size_t end = AlternativeEnd(advice, begin);
    std::string_view piece = advice.substr(begin, end - begin);
    const std::size_t lead = piece.find_first_not_of(' ');
    if (lead != std::string_view::npos) {
      piece = piece.substr(lead);
      if (!hints.empty()) hints += '/';
      hints += piece.front() == '(' ? std::string(piece) : "(" + std::string(piece) + ")";
    }
    begin = end + 1;
  }
  return hints;
}

std::string WholeAlternatives(std::string_view advice, std::size_t limit) {
  if (advice.size() <= limit) return std::string(advice);
  std::size_t whole = 0;
  for (std::size_t end = AlternativeEnd(advice, 0); end <= limit; end = AlternativeEnd(advice, end + 1)) whole = end;
  return std::string(advice.substr(0, whole > 0 ? whole : limit));
}
