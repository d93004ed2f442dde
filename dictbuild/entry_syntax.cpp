#include "dictbuild/entry_syntax.h"

#include <cctype>

namespace {

constexpr std::string_view kCodeLetters = "0123456789ABCDEFGHIJKN";
constexpr std::string_view kWordEnds = " +!$&?^@";

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsCodeLetter(char c) { return kCodeLetters.find(c) != std::string_view::npos; }

std::string CheckBlankAndCode(std::string_view rest, char mark) {
  if (rest.size() < 2 || rest[0] != ' ' || rest[1] == ' ')
    return std::string("'") + mark + "' must be followed by a blank and the word's code";
  return {};
}

std::string CheckVerbData(std::string_view data) {
  if (data.size() >= 5 && data[0] == '3' && IsDigit(data[1]) && IsDigit(data[2]) && data[3] == '2' &&
      IsCodeLetter(data[4])) {
    if (data.size() == 5 || data[5] != ' ')
      return "a five-character verb code must be followed by a blank (and its suggestion)";
    return {};
  }
  if (data.size() < 2 || !IsDigit(data[0]) || !IsCodeLetter(data[1]))
    return "a verb stem needs its class digit and an inflection code letter (one of " +
           std::string(kCodeLetters) + ")";
  if (data.size() > 2 && data[2] != ' ' && data[2] != '>' && data[2] != '%')
    return "a verb stem's code is two characters, then a blank, '>' or \"%%\"";
  return {};
}

std::string CheckPhrasalData(std::string_view rest) {
  const std::size_t blank = rest.find(' ');
  const std::string_view particle = rest.substr(0, blank);
  if (particle.empty() || particle.front() == '+' || particle.back() == '+' ||
      particle.find("++") != std::string_view::npos)
    return "a phrasal verb needs its particle words after \"^+\"";
  for (char c : particle)
    if (c != '+' && !std::isalpha(static_cast<unsigned char>(c)))
      return "a phrasal verb's particle words are letters joined by '+'";
  const std::string_view data = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  if (data.size() < 2 || (data[0] != '2' && data[0] != '3') || !IsCodeLetter(data[1]) ||
      (data.size() > 2 && data[2] != ' '))
    return "a phrasal verb's particle is followed by a blank, '2' or '3' and the stem's inflection code letter";
  return {};
}

}  // namespace

std::string CheckEntrySyntax(std::string_view entry) {
  // Walk the words of a multi-word entry up to the mark or blank that ends
  // the word part.
  std::size_t at = entry.find_first_of(kWordEnds);
  while (at != std::string_view::npos && entry[at] == '+') {
    if (at + 1 >= entry.size() || kWordEnds.find(entry[at + 1]) != std::string_view::npos)
      return "an empty word after '+'";
    at = entry.find_first_of(kWordEnds, at + 1);
  }
  if (at == std::string_view::npos) return "the entry has no data";
  const char mark = entry[at];
  const std::string_view rest = entry.substr(at + 1);
  switch (mark) {
    case ' ':
      if (rest.empty() || rest[0] == ' ') return "a blank must be followed by the word's code";
      return {};
    case '!':
      if (!rest.empty() && rest[0] == '+') return CheckEntrySyntax(rest.substr(1));
      return CheckBlankAndCode(rest, mark);
    case '$':
      return CheckBlankAndCode(rest, mark);
    case '@':
      return rest.empty() ? std::string() : CheckBlankAndCode(rest, mark);
    case '^':
      if (!rest.empty() && rest[0] == '+') {
        if (entry.find('+') < at) return "a phrasal verb must begin its entry";
        return CheckPhrasalData(rest.substr(1));
      }
      return CheckVerbData(rest);
    default:  // '&', '?'
      return CheckVerbData(rest);
  }
}
