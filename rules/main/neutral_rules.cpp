// Rules of neutral tokens and units, class 40: "per", degree letters and
// temperatures, slashes between nouns, "DC"/"AC" compounds, callouts, item
// numbers, and the tokens that open a sentence. Any other class-40 word
// inside a sentence is read as a noun.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/common/rule_row.h"
#include "rules/main/class_bodies.h"
#include "rules/main/neutral_rows.h"
#include "rules/main/number_rules.h"

namespace {

bool Inside(const RuleContext& c) { return !c.First(); }
bool PrevIsNumberOrToken(const RuleContext& c) {
  return Inside(c) && c.P(1) && ClassIsOneOf(c.p1(), {Cls::Neutral, Cls::Number});
}

// clang-format off
constexpr RuleRow kPer[] = {
    /*0*/ {.n1Class = {Cls::Number, Cls::Neutral}},
    /*1*/ {.when = PrevIsNumberOrToken},
    /*2*/ {.n1 = "second|minute|cycle|unit|hour|sq*"},
    /*3*/ {.n1 = "month", .suggestion = "each month", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3196,
           .outcome = Walk::SkipCovered},
    /*4*/ {.n1 = "day", .suggestion = "each day", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3196,
           .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "anum|year", .suggestion = "each year", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3196,
           .outcome = Walk::SkipCovered},
    /*6*/ {.suggestion = "for/for each/refer to", .code = Msg::WrongChoice, .ruleId = 3196},
};
// clang-format on

constexpr int kUnitRule = 7669;

// "20 C deg": the number before the letter takes the degree form.
bool DegreeLetter(RuleContext& c) {
  const WordRec& w = *c.word;
  const char letter = w.written.first();
  if (c.First() || (letter != 'C' && letter != 'F') || !TextStarts(c.n1(), "deg")) return false;
  WordRec* number = c.P(1);
  if (!number || number->wordClass != Cls::Number) return false;
  FormatSuggestion(number, "%s&deg;%c", number->text.c_str(), letter);
  number->entryWords = 3;
  CopyTag(number, "<AR>");
  SetWordMessage(number, Msg::Spelling, kUnitRule);
  return true;
}

// "25C", "-40F": a temperature written as one token.
bool TemperatureToken(WordRec* w) {
  const char first = w->text.first();
  const char last = w->written.last();
  if (!(IsDigit(static_cast<unsigned char>(first)) || first == '-') || (last != 'C' && last != 'F') ||
      InCodeSeries(*w))
    return false;
  BoundedText<kShortTextSize> number = w->text.view().substr(0, w->text.length() - 1);
  FormatSuggestion(w, "%s&deg;%c", number.c_str(), last == 'C' ? 'C' : 'F');
  w->entryWords = 1;
  CopyTag(w, "<AR>");
  SetWordMessage(w, Msg::Spelling, kUnitRule);
  return true;
}

// "(#4)" and "(#12)": the item number in the approved form.
bool BracketedItemNumber(WordRec* w) {
  const std::string_view t = w->text.view();
  if ((t.size() != 4 && t.size() != 5) || t[0] != '(' || t[1] != '#' || t.back() != ')') return false;
  const std::string_view digits = t.substr(2, t.size() - 3);
  for (char d : digits)
    if (!IsDigit(static_cast<unsigned char>(d))) return false;
  CopyTag(w, "<AR>");
  BoundedText<kShortTextSize> digitText = digits;
  FormatSuggestion(w, "(No. %s)", digitText.c_str());
  return true;
}

// How many backslashes the written form holds.
int Backslashes(const WordRec& w) {
  int n = 0;
  for (char ch : w.written.view()) n += ch == '\\';
  return n;
}

// The rules for a word that opens its sentence (the later steps).
Walk OpeningToken(RuleContext& c) {
  WordRec* w = c.word;
  const std::string_view t = w->text.view();
  if (t == "@") {
    CopyTag(w, "<AR>");
    WriteSuggestion(w, "at");
    SetWordMessage(w, Msg::Spelling, 3198);
    return Walk::Next;
  }
  if (BracketedItemNumber(w)) return Walk::Next;
  if (t.size() > 3 && t.back() == ')' && t[3] == '(') {
    SetWordMessage(w, Msg::Punctuation, 3196);
    return Walk::Next;
  }
  if (w->text.first() == '(') return Walk::Next;
  if (t == "+/-") {
    WriteSuggestion(w, "(Use plus minus symbol)");
    SetWordMessage(w, Msg::Number, 1152);
    return Walk::Next;
  }
  if (w->text.startsWith("1/4")) {
    if (WordRec* n = c.N(); n && !IsSentinel(n)) {
      WriteSuggestion(n, "(Use decimals for sizes)");
      SetWordMessage(n, Msg::Number, 7865);
    }
    return Walk::PassNext;
  }
  if (w->text.startsWith("if nec") && c.n1().wordClass == Cls::SentenceEnd) {
    // A word at a position other than 0 never comes here from inside a
    // sentence (it became a noun); the branch is kept for negative positions.
    if (w->sentencePos != 0) {
      WriteSuggestion(w, "(Move to main clause.)");
      SetWordMessage(w, Msg::Awkward, 7865);
    } else if (ScanAheadForClass47(w) == -1) {
      SetWordMessage(w, Msg::Comma, 6334);
    }
    return Walk::Next;
  }
  if (t.size() > 1) {
    if (t == "<ref>") {
      w->wordClass = Cls::Noun;
      w->subClass = 0;
    } else if (Backslashes(*w) > 1) {
      SetWordMessage(w, Msg::Punctuation, 1152);
    }
    return Walk::Next;
  }
  const char letter = w->written.first();
  if ((letter == 'X' || letter == 'Y') && w->splitKind != '4' && TextIs(c.n1(), "axis")) {
    w->entryWords = 2;
    WriteSuggestion(w, letter == 'X' ? "X-axis" : "Y-axis");
    SetWordMessage(w, Msg::Hyphenation, 1152);
    return Walk::PassNext;
  }
  return Walk::Next;
}

}  // namespace

std::span<const RuleRow> PerRows() { return kPer; }

Walk ApplyNeutralRules(RuleContext& c) {
  WordRec* w = c.word;
  if (IsSentinel(w)) return Walk::Next;  // the walk ends there
  if (TextIs(*w, "per")) return ApplyFirstMatch(c, kPer).value_or(Walk::Next);
  if (DegreeLetter(c)) return Walk::SkipCovered;

  const WordRec& p1 = c.p1();
  const WordRec& n1 = c.n1();
  const bool inside = !c.First();
  if (inside && w->text.first() == '/' && c.P(1) && c.N(1) && p1.wordClass < Cls::FirstNonNoun &&
      n1.wordClass < Cls::FirstNonNoun) {
    pass::ClearCodes(w);
    WriteSuggestion(w, p1.written.view());
    CopyTag(w, "<*/*>");
    SetWordMessage(w, Msg::Punctuation, 3496);
    return Walk::Next;
  }
  if (w->written == "DC" || w->written == "AC") {
    if (!c.N(1) || !c.N(2) || n1.wordClass >= Cls::FirstNonNoun || c.n2().wordClass >= Cls::FirstNonNoun)
      return Walk::Next;
    w->entryWords = 2;
    FormatSuggestion(w, "%s-%s", w->written.c_str(), n1.written.c_str());
    CopyTag(w, "<AR>");
    SetWordMessage(w, Msg::Spelling, kUnitRule);
    return Walk::PassNext;
  }
  if (TemperatureToken(w)) return Walk::Next;
  if (n1.wordClass == Cls::Number || w->subClass == 80 || w->subClass == 16 || w->separatorFlag == 'S' ||
      n1.text.first() == '<' || (c.N(1) && n1.wordClass < Cls::FirstNonNoun))
    return Walk::Next;
  if (inside && w->text.first() == '#' && p1.text.first() == '(' && n1.text.first() == ')') {
    w->tag.clear();
    WriteSuggestion(w, "(Callout - (99) or circles)");
    SetWordMessage(w, Msg::Number, 3196);
    return Walk::NeutralNext;
  }
  if (w->verbForm == 'Q') {
    CopyTag(w, "<AR>");
    return Walk::Next;
  }
  if (w->text.length() == 2 && w->text[0] == '#' && IsDigit(static_cast<unsigned char>(w->text[1]))) {
    CopyTag(w, "<AR>");
    FormatSuggestion(w, "(No. %c)", w->text[1]);
    SetWordMessage(w, Msg::Spelling, 3149);
    return Walk::Next;
  }
  if (inside) {
    // A token inside a sentence stands where a noun stands.
    pass::SetFamily(w, 'N');
    w->wordClass = Cls::Noun;
    if (WordRec* p = c.P(1)) p->wordClass = 1;
    return Walk::Next;
  }
  return OpeningToken(c);
}
