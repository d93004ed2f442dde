#include "engine/suggestion_builders.h"

#include <cstring>
#include <string>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

// Whether at least `n` words follow `w` before a bracket, a number, the end
// or a sentence end.
bool AtLeastWordsFollow(const WordRec* w, int n) {
  int count = 0;
  for (const WordRec* p = Next(w); p; p = Next(p)) {
    if (ClassIsOneOf(*p, {41, 49, 48}) || FirstIs(*p, '@')) break;
    if (++count >= n) return true;
  }
  return false;
}

}  // namespace

void SuggestArticleThe(WordRec* word) {
  if (!word) return;
  if (word->classCode[3] == '3' || IsMarked(*word)) return;
  const WordRec* noun = Next(word);
  if (AtEnd(noun) || noun->wordClass >= 20) return;
  if (!AtLeastWordsFollow(noun, 5)) return;

  if (IsCaps(*word) && IsCaps(*noun)) {
    FormatSuggestion(word, "THE %s", word->written.c_str());
  } else {
    std::string written = word->written.str();
    if (word->caseFlag == '1' && !written.empty()) written[0] = AsciiLower(written[0]);
    FormatSuggestion(word, "The %s", written.c_str());
  }
  CopyTag(word, "<AR>");
  SetWordMessage(word, Msg::Spelling, 2010);
}

void SuggestArticleForNext(WordRec* word) {
  if (!word) return;
  WordRec* next = Next(word);
  if (AtEnd(next)) return;
  const WordRec* after = Next(word, 2);
  if (!after) return;
  if (after->wordClass == 48 || IsMarked(*after)) return;
  if (ClassIsOneOf(*next, {38, 45, 40}) || IsMarked(*next)) return;
  if (NextNounTakesNoArticle(word) == 99) return;

  if (IsCaps(*word) && IsCaps(*next))
    FormatSuggestion(next, "THE %s", next->written.c_str());
  else
    FormatSuggestion(next, "the %s", next->written.c_str());
  SetWordMessage(next, Msg::Style, 2356);

  BoundedText<84> joined;
  joined.format("%s?%s", word->written.c_str(), next->written.c_str());
  word->written = joined;
  word->suggestion.clear();
  CopyTag(word, "<AR>");
  word->verbForm = '1';
  SetWordMessage(word, Msg::Spelling, 2046);
}

namespace {

// The base and -s forms of an -ing stem by its inflection code letter. An
// empty result leaves the suggestion empty.
std::string VerbFromIng(std::string_view t, char code, int form) {
  auto drop = [&](std::size_t n) { return std::string(t.substr(0, t.size() - n)); };
  switch (code) {
    case '0':
      return drop(3);
    case '1':
      return drop(3) + "e";
    case '2':
    case '8':
    case 'F':
      return form == 0 ? drop(3) : drop(3) + "es";
    case '3':
    case '4':
    case 'A':
    case 'C':
    case 'J':
      return form == 0 ? drop(3) : drop(3) + "s";
    case '5':
      if (t.size() <= 4) return {};
      return form == 0 ? drop(4) + "y" : drop(4) + "ies";
    case '6':
      return form == 0 ? drop(3) : std::string();
    case '7':
    case 'B':
    case 'I':
      return form == 0 ? drop(3) + "e" : drop(3) + "es";
    case 'G':
      if (t.size() < 5) return {};
      [[fallthrough]];
    case '9':
    case 'H':
      return form == 0 ? drop(4) : drop(4) + "s";
    case 'E':
      return form == 0 ? drop(3) + "e" : drop(3) + "es";
    default:
      return {};
  }
}

}  // namespace

int MakeVerbFromIng(WordRec* word, int form) {
  if (!word) return -1;
  const char code = word->pluralMarker;
  if (word->text.length() < 2 || word->text.last() != 'g' || code == ' ' || code == '\0')
    return -1;
  if (form > 1) return 1;

  word->suggestion.clear();
  std::string rest;
  std::string_view t = word->text.view();
  std::size_t blank = t.find(' ');
  if (blank != std::string_view::npos) {
    rest = std::string(t.substr(blank + 1));
    word->text.truncate(blank);
    t = word->text.view();
  }
  word->length = static_cast<std::int32_t>(t.size());

  std::string verb;
  if (t.size() >= 4) verb = VerbFromIng(t, code, form < 0 ? 0 : form);
  if (!rest.empty()) verb += " " + rest;
  FormatSuggestion(word, "%s", verb.c_str());
  return 1;
}

namespace {

// Units a number may be written with; compared ignoring case, written as listed.
constexpr std::string_view kUnits[] = {
    "Nm", "inch", "lb", "volts", "Kg", "mm", "Ghz", "Amp", "Ohm", "cm", "mhz", "Kb", "Gb", "db",
    "cc", "mA", "mvl", "Km", "unc", "unf", "ml", "ppm", "hr", "Amps", "Ohms", "dc", "bit",
};

}  // namespace

int SplitNumberUnit(WordRec* word) {
  if (!word) return -1;
  std::string_view w = word->written.view();
  std::size_t n = 0;
  while (n < w.size() && n < 9 && (IsDigit(w[n]) || w[n] == '.' || w[n] == ',')) ++n;
  if (n == 0) return -1;
  std::string_view number = w.substr(0, n);
  std::string_view unit = w.substr(n, 61);
  if (unit.empty()) return -1;
  for (std::string_view u : kUnits) {
    if (EqualsNoCase(unit, u)) {
      FormatSuggestion(word, "%.*s %.*s", static_cast<int>(number.size()), number.data(),
                       static_cast<int>(u.size()), u.data());
      return 1;
    }
  }
  return -1;
}
