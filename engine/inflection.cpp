#include "engine/inflection.h"

#include <cstring>
#include <string>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/irregular_verbs.h"
#include "engine/neighbours.h"

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

// The -ing form of a verb's base form by its code letter: the doubling codes
// double the last letter ("stop": "stopping"); a final silent 'e' goes
// ("make": "making", but "see": "seeing"), "ie" becomes "y" ("tie": "tying").
void AddIng(std::string& w, char code) {
  const std::size_t n = w.size();
  if (n == 0) return;
  if (code == '9' || code == 'G') {
    w += w.back();
  } else if (n >= 3 && w.compare(n - 2, 2, "ie") == 0) {
    w.resize(n - 2);
    w += 'y';
  } else if (n >= 3 && w.back() == 'e' && !CharIn(w[n - 2], "eoy")) {
    w.pop_back();
  }
  w += "ing";
}

// The past or participle of a verb of the irregular list, or its -ing form
// where the list names one; false for any other verb or form.
bool InflectIrregular(std::string& w, int form) {
  const IrregularVerb* verb = FindIrregularVerb(w);
  if (verb == nullptr) return false;
  if (form == kFormPast) w = verb->past;
  else if (form == kFormParticiple) w = verb->participle;
  else if (form == kFormIng && !verb->ing.empty()) w = verb->ing;
  else return false;
  return true;
}

// A word in `form` by its code letter; false where the code has no such
// form (the word is then left as it was). A participle is the past but
// for the irregular verbs.
bool InflectWord(std::string& w, char code, int form) {
  if (InflectIrregular(w, form)) return true;
  if (form == kFormIng) {
    if (code == 'D') w = "having";
    else AddIng(w, code);
    return true;
  }
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
    case 'D': w = s ? "has" : "had"; return true;
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

// The words that put a past or a base-looking verb after them into the
// participle: the forms of "be" and "have", and "been".
bool IsBeOrHave(const WordRec& w) {
  return w.wordClass == Cls::Be || w.wordClass == Cls::Have || w.wordClass == Cls::Been;
}

// What may stand between a verb and the word that decides its form: "not",
// "never", "then" and adverbs ("is not done", "it then did").
bool MayStandBetween(const WordRec& w) {
  return w.wordClass == Cls::Negation || w.wordClass == Cls::NoNever || w.wordClass == Cls::About ||
         (w.wordClass >= Cls::Adverb && w.wordClass <= Cls::Class59);
}

// The nearest word before `w` in its sentence that is no negation or
// adverb, or null.
const WordRec* WordBefore(const WordRec* w) {
  for (const WordRec* p = w; p->sentencePos >= 1;) {
    p = Prev(p);
    if (p == nullptr) return nullptr;
    if (!MayStandBetween(*p)) return p;
  }
  return nullptr;
}

// A word that can be the subject of a past ("the pump", "it", a name).
bool MayBeSubject(const WordRec& w) {
  return w.wordClass < Cls::FirstNonNoun || w.wordClass == Cls::ProperName || w.wordClass == Cls::Neutral ||
         w.wordClass == Cls::Pronoun || w.wordClass == Cls::FirstPerson || w.wordClass == Cls::Relative ||
         w.wordClass == Cls::Demonstrative;
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

int AdviceForm(const WordRec* word) {
  if (word == nullptr) return kFormBase;
  int form = kFormBase;
  // No -s form ends in "ss": "depress", "possess" are base forms, whatever
  // class the lookup read off their last letter.
  const std::string_view text = word->text.view();
  const std::string_view own = text.substr(0, text.find(' '));  // not a particle merged after it
  const bool doubleS = own.ends_with("ss");
  switch (word->wordClass) {
    case Cls::Verb: break;
    case Cls::VerbS: return doubleS ? kFormBase : kFormS;
    case Cls::VerbEd:
    case Cls::Participle: form = kFormPast; break;
    case Cls::VerbIng: return kFormIng;
    default:
      // No verb class: the last letter, not the text's end, as after a
      // merge the text ends with the particle or the last word of a phrase.
      return word->lastLetter == 's' && !doubleS ? kFormS : word->lastLetter == 'd' ? kFormPast : kFormBase;
  }
  // After "be" or "have" a verb is the participle, whatever its ending; a
  // past stands after its subject, and elsewhere ("the performed test",
  // "Performed by ...") is the participle, as it is before its agent ("the
  // check performed by the tool").
  const WordRec* before = WordBefore(word);
  if (before != nullptr && IsBeOrHave(*before)) return kFormParticiple;
  if (form == kFormPast && (before == nullptr || !MayBeSubject(*before))) return kFormParticiple;
  const WordRec* after = Next(word);
  if (form == kFormPast && after != nullptr && after->sentencePos > word->sentencePos && after->text == "by")
    return kFormParticiple;
  return form;
}

bool InflectAlternative(Alternative& alternative, char code, int form) {
  // Only the first word takes the ending; the rest of a phrase follows it.
  std::string first = alternative.str();
  std::string rest;
  const std::size_t blank = first.find(' ');
  if (blank != std::string::npos) {
    rest = first.substr(blank + 1, 63);
    first.resize(blank);
  }
  if (code == 'N' || !IsInflectionCode(code)) return false;
  if (form != kFormBase && !InflectWord(first, code, form)) return false;
  if (blank != std::string::npos) first += ' ' + rest;
  alternative = first;
  return true;
}

int InflectByCode(Alternative& alternative, WordRec* word, char code, char caseFlag) {
  if (word == nullptr) return -1;
  const int form = AdviceForm(word);
  static constexpr char kVerbForm[] = {'0', '1', '2', '2', '3'};
  word->verbForm = kVerbForm[form];

  Alternative result = alternative;
  if (code == 'N') {
    std::string noun = result.str();
    if (word->pluralMarker == '$') PluralizeNoun(noun);
    result = noun;
  } else if (!InflectAlternative(result, code, form)) {
    return -1;
  }

  std::string text = result.str();
  if (caseFlag == '1' && !text.empty()) {
    text[0] = AsciiUpper(text[0]);
  } else if (caseFlag == '2') {
    for (char& c : text) c = AsciiUpper(c);
  }
  alternative = text;
  word->suggestion = alternative.view();
  return 1;
}
