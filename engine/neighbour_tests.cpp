#include "engine/neighbour_tests.h"

#include <string_view>

#include "engine/ascii_text.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"

namespace {

// Uncountable and label nouns: they take no article.
constexpr std::string_view kNoArticleNouns[] = {
    "access", "alcohol", "appendix", "attention", "bit", "cancer", "care", "caution",
    "channel", "chapter", "chemical", "chemistry", "children", "class", "contact",
    "contamination", "corrosion", "current", "damage", "death", "debris", "degree", "depth",
    "dirt", "disassembly", "distortion", "dust", "ear", "electric", "energy", "equipment",
    "eye", "fatigue", "fear", "field", "figure", "finger", "flammable", "foam", "force",
    "future", "gasoline", "glove", "grease", "hand", "hazard", "heat", "height", "inch",
    "information", "injury", "instruction", "interference", "jewelry", "land", "leakage",
    "light", "liquid", "lubricant", "maintenance", "medical", "millimeter", "minute", "mode",
    "moisture", "navigation", "noise", "note", "operation", "option", "page", "paragraph",
    "parallel", "part", "performance", "person", "personnel", "petrol", "phase", "phone",
    "photograph", "pin", "plan", "port", "position", "pressure", "problem", "protection",
    "protective", "pulse", "rattle", "rubber", "rust", "science", "sea", "second", "section",
    "series", "serious", "service", "signal", "skin", "slope", "soap", "solder", "solvent",
    "spark", "speed", "state", "steel", "step", "storage", "table", "time", "training", "use",
    "ventilation", "version", "water", "zero", "zone",
};
constexpr std::string_view kNoArticleStems[] = {"button", "bus", "dizz", "gas", "injur"};

struct ControlNoun {
  std::string_view word;
  bool exact;  // else a stem
};
constexpr ControlNoun kControlNouns[] = {
    {"application", true}, {"button", false},      {"command", true},     {"function", false},
    {"control", false},    {"key", false},         {"label", false},      {"instructions", true},
    {"indication", true},  {"level", false},       {"mode", false},       {"position", false},
    {"link", false},       {"switch", false},      {"window", true},      {"state", false},
    {"relay", true},       {"screen", false},      {"tag", false},
};

constexpr std::string_view kIndicatorStems[] = {
    "lights", "light", "lamps", "lamp", "panel", "panels",
    "leds", "led", "button", "buttons", "red light", "green light",
};

constexpr std::string_view kMonths[] = {"january", "february", "march",     "april",   "may",      "june",
                                         "july",    "august",   "september", "october", "november", "december"};

// A month name or an abbreviation of at least its first three letters
// ("jan", "sept", "january"); shorter beginnings such as "a", "no" or "ma"
// are ordinary words.
bool StartsAMonth(const WordRec& w) {
  std::string_view t = w.text.view();
  if (t.size() < 3) return false;
  for (std::string_view m : kMonths)
    if (m.starts_with(t)) return true;
  return false;
}

}  // namespace

int NextNounTakesNoArticle(WordRec* word) {
  if (!word) return -1;
  const WordRec* next = Next(word);
  if (!next) return -1;
  if (ClassIsOneOf(*next, {15, 16, 31, 38, 40, 41, 65}) || next->splitKind == '4') return 99;
  if (FirstIs(*next, '<') && word->sentencePos > 2) return 99;

  std::string_view t = next->text.view();
  if (word->text.last() == 's' && !t.empty()) t.remove_suffix(1);
  std::size_t blank = t.find(' ');
  if (blank != std::string_view::npos) t = t.substr(0, blank);
  for (std::string_view noun : kNoArticleNouns)
    if (t == noun) return 99;
  for (std::string_view stem : kNoArticleStems)
    if (t.substr(0, stem.size()) == stem) return 99;
  return -1;
}

int NextIsControlNoun(WordRec* word) {
  // After a block's end comes another block's word, no neighbour.
  const WordRec& next = word && word->endsBlock ? NoWord() : NextOr(word);
  for (const ControlNoun& c : kControlNouns)
    if (c.exact ? TextIs(next, c.word) : TextStarts(next, c.word)) return 1;
  return -1;
}

int IsIndicatorWord(WordRec* word) {
  if (!word) return -1;
  for (std::string_view stem : kIndicatorStems)
    if (TextStarts(*word, stem)) return 1;
  return -1;
}

int NextIsMonth(WordRec* word) {
  const WordRec* next = Next(word);
  if (AtEnd(next)) return -1;
  if (StartsAMonth(*next)) return 99;
  if (IsDigit(next->text.first())) {
    const WordRec* after = Next(word, 2);
    if (!AtEnd(after) && StartsAMonth(*after)) return 99;
  }
  return -1;
}

int ScanAheadForClass47(WordRec* word) {
  for (WordRec* w = Next(word); !AtEnd(w); w = Next(w)) {
    if (w->wordClass == 48 || w->sentencePos == 0) return -1;
    if (NextOr(w).text.first() == '@') return -1;
    if (w->wordClass == 47) return 1;
  }
  return -1;
}

int FindQuestionMark(WordRec* word) {
  for (WordRec* w = Next(word); !AtEnd(w); w = Next(w)) {
    if (FirstIs(*w, '?')) {
      w->wordClass = 40;
      w->subClass = 0;
      return 1;
    }
    if (w->wordClass == 48 || w->sentencePos == 0) return -1;
    char c = w->text.first();
    if (c == ':' || c == ';' || c == '.') return -1;
  }
  return -1;
}

int MarkQuestionMark(WordRec* word) {
  for (WordRec* w = Next(word); w; w = Next(w)) {
    if (FirstIs(*w, '?')) {
      w->extraFlag = '*';
      return 1;
    }
    char c = w->text.first();
    if (c == '.' || c == ':' || c == ';' || c == '@') return -1;
  }
  return -1;
}
