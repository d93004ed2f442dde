#include "engine/inflection.h"

#include <cstring>
#include <string>
#include <string_view>

#include "engine/ascii_text.h"

namespace {

// How a cell of the ending table is compared besides its plain ending.
enum class Doubled {
  None,
  StemLetterEd,   // the stem's last letter again + "ed"   ("stop" -> "stopped")
  StemLetterEn,   // the stem's last letter + "en"         ("writ" -> "written")
  StemLetterIng,  // "ing", or the stem's last letter + "ing"
  SixIng,         // "ning", "ming", "ting", "fing", "sing", "ping"; not "ing"
  Any,            // every ending
};

struct Cell {
  const char* ending = nullptr;  // null: no such form
  Doubled doubled = Doubled::None;
  int minLength = 0;             // of the word, for the doubled rules
};

struct EndingRow {
  char code;
  Cell base, s, past, ing;
};

// clang-format off
constexpr EndingRow kEndings[] = {
    {.code = '0', .base = {""},   .s = {"s"},   .past = {"ed"},  .ing = {"ing"}},
    {.code = '1', .base = {"e"},  .s = {"es"},  .past = {"ed"},  .ing = {"ing"}},
    {.code = '2', .base = {""},   .s = {"es"},  .past = {"ed"},  .ing = {"ing"}},
    {.code = '3', .base = {""},   .s = {"s"},   .past = {},      .ing = {"ing"}},
    {.code = '4', .base = {""},   .s = {"s"},   .past = {},      .ing = {"ing"}},
    {.code = '5', .base = {"y"},  .s = {"ies"}, .past = {"ied"}, .ing = {"ying"}},
    {.code = '6', .base = {""},   .s = {"s"},   .past = {"n"},   .ing = {"ing"}},
    {.code = '7', .base = {"e"},  .s = {"es"},  .past = {"en"},  .ing = {"ing"}},
    {.code = '8', .base = {""},   .s = {"es"},  .past = {},      .ing = {"ing"}},
    {.code = '9', .base = {""},   .s = {"s"},
     .past = {nullptr, Doubled::StemLetterEd, 6}, .ing = {nullptr, Doubled::SixIng, 6}},
    {.code = 'A', .base = {""},   .s = {"s"},   .past = {"d"},   .ing = {"ing"}},
    {.code = 'B', .base = {"e"},  .s = {"es"},
     .past = {nullptr, Doubled::StemLetterEn, 7}, .ing = {"ing"}},
    {.code = 'C', .base = {""},   .s = {"s"},   .past = {"t"},   .ing = {"ing"}},
    {.code = 'D', .base = {"ve"}, .s = {"s"},   .past = {"d"},   .ing = {"ving"}},
    {.code = 'E', .base = {"e"},  .s = {"es"},  .past = {""},    .ing = {"ing"}},
    {.code = 'F', .base = {""},   .s = {"es"},  .past = {},      .ing = {"ing"}},
    {.code = 'G', .base = {""},   .s = {"s"},   .past = {},      .ing = {nullptr, Doubled::SixIng, 6}},
    {.code = 'H', .base = {""},   .s = {"s"},   .past = {},      .ing = {"ing", Doubled::StemLetterIng, 7}},
    {.code = 'I', .base = {"e"},  .s = {"es"},  .past = {},      .ing = {"ing"}},
    {.code = 'J', .base = {""},   .s = {"s"},   .past = {"en"},  .ing = {"ing"}},
    {.code = 'K', .base = {"y"},  .s = {"ies"}, .past = {},      .ing = {"ying"}},
    {.code = 'L', .base = {nullptr, Doubled::Any}, .s = {}, .past = {}, .ing = {}},
};
// clang-format on

// The stem's last letter: the character of `text` just before the ending.
char StemLastLetter(std::string_view text, std::string_view ending) {
  if (ending.size() >= text.size()) return '\0';
  return text[text.size() - ending.size() - 1];
}

bool CellMatches(const Cell& cell, const WordRec& word, std::string_view ending) {
  if (cell.ending && ending == cell.ending) return true;
  const std::string_view text = word.text.view();
  const bool longEnough = word.length >= cell.minLength;
  switch (cell.doubled) {
    case Doubled::None:
      return false;
    case Doubled::Any:
      return true;
    case Doubled::StemLetterEd:
      return longEnough && ending.size() == 3 && ending.substr(1) == "ed" &&
             ending[0] == StemLastLetter(text, ending);
    case Doubled::StemLetterEn:
      return longEnough && ending.size() == 3 && ending.substr(1) == "en" &&
             ending[0] == StemLastLetter(text, ending);
    case Doubled::StemLetterIng:
      return longEnough && ending.size() == 4 && ending.substr(1) == "ing" &&
             ending[0] == StemLastLetter(text, ending);
    case Doubled::SixIng:
      return longEnough && ending.size() == 4 && ending.substr(1) == "ing" &&
             std::strchr("nmtfsp", ending[0]) != nullptr;
  }
  return false;
}

}  // namespace

bool IsInflectionCode(char c) { return CharIn(c, kInflectionCodes); }

int StripInflection(const WordRec* word, char code, const char* ending) {
  if (word == nullptr || ending == nullptr) return -1;
  const std::string_view e(ending);
  for (const EndingRow& row : kEndings) {
    if (row.code != code) continue;
    if (CellMatches(row.base, *word, e)) return kFormBase;
    if (CellMatches(row.s, *word, e)) return kFormS;
    if (CellMatches(row.past, *word, e)) return kFormPast;
    if (CellMatches(row.ing, *word, e)) return kFormIng;
    return -1;
  }
  return -1;
}

namespace {

// The -s and past forms of a word by its code letter; false where the code
// has no such form (the word is then left as it was).
bool InflectWord(std::string& w, char code, int form) {
  auto dropLast = [&w]() { if (!w.empty()) w.pop_back(); };
  const std::size_t n = w.size();
  const bool s = form == kFormS;
  switch (code) {
    case '0': w += s ? "s" : "ed"; return true;
    case '1': case 'A': w += s ? "s" : "d"; return true;
    case '2': w += s ? "es" : "ed"; return true;
    case '3': if (!s) return false; w += "s"; return true;
    case '8': if (!s) return false; w += "es"; return true;
    case '4': case 'G': case 'H': case 'I': case 'J': if (s) w += "s"; return true;
    case '5':
      if (n >= 3) { dropLast(); w += s ? "ies" : "ied"; }
      return true;
    case '6': case '7': w += s ? "s" : "n"; return true;
    case '9':
      if (s) w += "s";
      else if (n > 0) { w += w.back(); w += "ed"; }
      return true;
    case 'B':
      if (s) w += "s";
      else if (n >= 5) { w.back() = w[n - 2]; w += "en"; }
      return true;
    case 'C': w += s ? "s" : "t"; return true;
    case 'D': w = s ? "has" : "has/have"; return true;
    case 'E':
      if (s) w += "s";
      else if (n >= 5) { if (w[n - 2] == 'k') w[n - 2] = 'd'; else dropLast(); }
      return true;
    case 'F': if (s) w += "es"; return true;
    case 'K':
      if (s && n >= 3) { dropLast(); w += "ies"; }
      return true;
    default: return false;
  }
}

// The plural of a noun alternative: its last word takes the plural ending.
void PluralizeNoun(std::string& alt) {
  const std::size_t blank = alt.rfind(' ');
  const bool twoWords = blank != std::string::npos;
  const std::size_t start = twoWords ? blank + 1 : 0;
  const std::size_t n = alt.size() - start;
  if (n == 0) return;
  const char last = alt.back();
  const char before = n >= 2 ? alt[alt.size() - 2] : '\0';
  if (last == 'y') { alt.pop_back(); alt += "ies"; return; }
  if (twoWords) {
    alt += std::strchr("hosx", last) ? "es" : "s";
    return;
  }
  if ((before == 'c' && last == 'h') || (before == 's' && last == 's')) { alt += "es"; return; }
  alt += "s";
}

}  // namespace

int InflectByCode(Alternative& alternative, WordRec* word, char code, char caseFlag) {
  if (word == nullptr) return -1;
  const std::string original = alternative.str();
  // Only the first word takes the ending; the rest of a phrase follows it.
  std::string first = original;
  std::string rest;
  const std::size_t blank = first.find(' ');
  if (blank != std::string::npos) {
    rest = first.substr(blank + 1, 63);
    first.resize(blank);
  }

  int form = kFormBase;
  // lastLetter, not the text's end: after a merge the text ends with the
  // particle or the last word of the phrase.
  const char last = word->lastLetter;
  if (last == 's') form = kFormS;
  else if (last == 'd') form = kFormPast;
  word->verbForm = form == kFormS ? '1' : form == kFormPast ? '2' : '0';

  std::string result;
  if (code == 'N') {
    result = original;
    if (word->pluralMarker == '$') PluralizeNoun(result);
  } else {
    if (!IsInflectionCode(code)) return -1;
    if (form != kFormBase && !InflectWord(first, code, form)) return -1;
    result = first;
    if (blank != std::string::npos) result += ' ' + rest;
  }

  if (caseFlag == '1' && !result.empty()) {
    result[0] = AsciiUpper(result[0]);
  } else if (caseFlag == '2') {
    for (char& c : result) c = AsciiUpper(c);
  }
  alternative = result;
  word->suggestion = alternative.view();
  return 1;
}
