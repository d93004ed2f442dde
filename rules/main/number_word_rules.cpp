// Numbers written in words: digits before a unit or "percent", compounds
// that want a hyphen, a number word beside its bracketed digit, tens and
// units written apart. "one" before no unit goes on with its own rows.
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/number_rules.h"

namespace {

bool Split(const WordRec& w) { return w.splitKind == '4'; }

// "two (2)": the bracketed digit repeats the number word.
bool BracketRepeats(const WordRec& w, const WordRec& next) {
  const std::string_view t = next.text.view();
  if (t.size() != 3 || t[0] != '(' || t[2] != ')' || t[1] < '1' || t[1] > '9') return false;
  return NumberWordValue(w.text.view()) == t[1] - '0';
}

// A unit begins the next word: "sec" is not "section" or "secure", "gal"
// not "galvanized", "bit" not "bitmap".
constexpr Words kUnitStems =
    "gallon*|gal|gal.|hour*|mile*|inch*|pound*|minute*|second*|sec|sec.|secs|week*|byte*|bit|bits|day*";
// Next words that make a compound with a number word before a noun.
constexpr Words kCompoundNext =
    "amp|pin|bit|bps|byte|week|year|hour|minute|position|part|vdc|vac|phase|rated|frequency|way|day|milli*|ton*";

bool IsUnitAfterNumber(const WordRec& n) {
  if (kUnitStems.Has(n)) return true;
  return !CharIn(n.text.first(), "bdghimpsw") && n.wordClass == Cls::Unit;
}

// The value of a tens word ("twenty", or "twenty-" where markup divides
// the number), or -1.
int TensValue(const WordRec& w) {
  std::string_view t = w.text.view();
  if (!t.empty() && t.back() == '-') t.remove_suffix(1);
  const int v = NumberWordValue(t);
  return v >= 20 && v % 10 == 0 ? v : -1;
}

// "five minutes": the digits, corrected in place. After a tens word the
// digits are of the whole number: "twenty five" (or "Twenty-Five", which
// is read as two words) gets "25" on both words; where markup divides the
// number ("twenty-<b>five</b>") this word, which alone can be marked, gets
// them as a hint, which is not put in its place.
Walk BeforeUnit(RuleContext& c) {
  WordRec* w = c.word;
  const int v = NumberWordValue(w->text.view());
  WordRec* p = c.First() ? nullptr : c.P(1);
  if (p && p->text.first() == '<' && p->sentencePos > 0) p = c.P(2);  // a placeholder of the markup
  if (p && v >= 1 && v <= 9 && p->message == 0 && TensValue(*p) > 0) {
    const bool together = p->text.last() != '-' && p == c.P(1);
    WordRec* target = together ? p : w;
    FormatSuggestion(target, together ? "%d" : "(%d)", v + TensValue(*p));
    if (together) target->entryWords = 2;
    CopyTag(target, "<AR>");
    SetWordMessage(target, Msg::Spelling, 5897);
    return Walk::Next;
  }
  if (v >= 0) FormatSuggestion(w, "%d", v);
  CopyTag(w, "<AR>");
  SetWordMessage(w, Msg::Spelling, 5897);
  return Walk::Next;
}

// "ten percent": the number in digits with the sign.
Walk BeforePercent(RuleContext& c) {
  WordRec* w = c.word;
  w->entryWords = 2;
  if (const char* advice = PercentAdvice(w->text.view())) {
    WriteSuggestion(w, advice);
  } else if (CharIn(w->text.first(), "zotfsen")) {
    BoundedText<kShortTextSize> text = w->text.view();
    FormatSuggestion(w, "(Format numeric %s%%)", text.c_str());
  }
  SetWordMessage(w, Msg::Number, 4207);
  return Walk::SkipCovered;
}

// "%s-%s" of the word's text (or written form) and the next word as written.
void Hyphenate(WordRec* w, const WordRec& n, bool written) {
  BoundedText<kShortTextSize> first = written ? w->written.view() : w->text.view();
  FormatSuggestion(w, "%s-%s", first.c_str(), n.written.c_str());
}

// The steps before a noun: false when the rules end here.
bool GoesOnBeforeNoun(const RuleContext& c) {
  const WordRec& w = *c.word;
  const WordRec& n1 = c.n1();
  if (Split(w) || !c.N(1) || !ClassIsOneOf(n1, {Cls::Unit, Cls::Noun, Cls::Nomenclature})) return true;
  if (w.tokenKind == 9 || n1.tokenKind == 9 || n1.subClass > 299) return false;
  if (c.N(2) && ClassIsOneOf(c.n2(), {Cls::Noun, Cls::NounPlural, Cls::Nomenclature})) return false;
  if (c.N(3) && c.n3().wordClass == Cls::NomenclaturePlural) return false;
  for (char ch : w.text.view())
    if (CharIn(ch, "()/-")) return false;
  return true;
}

// The steps after the percent rule.
Walk LaterWordRules(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n1 = c.n1();
  const WordRec& n2 = c.n2();
  if (w->extraFlag == '6' && w->tokenKind == 0 && n1.tokenKind == 0 && !Split(*w) && c.N(1) &&
      n1.wordClass == Cls::Number && IsAsciiLetter(static_cast<unsigned char>(n1.text.first()))) {
    const char digit = UnitWordDigit(n1.text.view(), c.state.scratchResult);
    if (!digit) return Walk::Next;
    const char text[3] = {w->classCode[4], digit, '\0'};
    WriteSuggestion(w, text);
    w->entryWords = 2;
    SetWordMessage(w, Msg::Number, 2302);
    return Walk::SkipCovered;
  }
  if (w->text.startsWith("hundred")) {
    w->entryWords = 2;
    SetWordMessage(w, Msg::Number, 1102);
    return Walk::SkipCovered;
  }
  if (n1.wordClass == Cls::Nomenclature && c.N(1) && n2.wordClass == Cls::Adjective && !Split(*w)) {
    w->entryWords = 2;
    Hyphenate(w, n1, true);
    SetWordMessage(w, Msg::Hyphenation, 3897);
    return Walk::SkipCovered;
  }
  if (WordRec* p = c.P(1); p && TextIs(*p, "around")) {
    WriteSuggestion(p, "approximately");
    SetWordMessage(p, Msg::WrongMeaning, 6213);
    return Walk::Next;
  }
  if (WordRec* p = c.P(1); p && TextIs(*p, "past")) {
    WriteSuggestion(p, "(Give time ref.)");
    SetWordMessage(p, Msg::Measurement, 6213);
    return Walk::Next;
  }
  if (TextIsOneOf(n1, {"way", "position", "step", "part"})) {
    if (Split(*w) || Split(n1)) return Walk::Next;
    w->entryWords = 2;
    Hyphenate(w, n1, true);
    SetWordMessage(w, Msg::Hyphenation, 6897);
    return Walk::SkipCovered;
  }
  if (w->sentencePos < c.state.sentenceWordCount - 3 && !Split(*w) && w->markFlag == '0' && c.N(1) &&
      n1.wordClass == Cls::Noun && n1.subClass == 0 && !Split(n1) && c.N(2) &&
      ClassIsOneOf(n2, {Cls::Nomenclature, Cls::Adjective}) && n2.markFlag == '0') {
    const bool fits = w->length + n1.length < 82;
    if (fits) {
      Hyphenate(w, n1, true);
      w->entryWords = 2;
    }
    SetWordMessage(w, Msg::Hyphenation, 3120);
    return fits ? Walk::SkipCovered : Walk::Next;
  }
  if (w->length > 4 && w->extraFlag == '7') {
    const std::string_view code = w->classCode.view();
    WriteSuggestion(w, code.size() > 4 ? code.substr(4, 2) : std::string_view());
    SetWordMessage(w, Msg::Number, 11205);
  }
  return Walk::Next;
}

// Inside the sentence.
Walk InsideWordRules(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* next = c.N(1);
  const WordRec& n1 = c.n1();
  const WordRec& n2 = c.n2();
  if (TextIs(n1, "at") && c.N(2) && n2.wordClass == Cls::Article && TextIs(c.n3(), "time")) return Walk::PassNext;
  if (next && !IsSentinel(next) && TextIs(*next, "total")) {
    SetWordMessage(next, Msg::Delete, 6166);
    return Walk::PassNext;
  }
  if (next && n1.wordClass == Cls::TimeConjunction) {
    SetWordMessage(w, Msg::MissingReference, 6566);
    return Walk::PassNext;
  }
  if (next && !IsSentinel(next) && TextIs(*next, "time") && !FirstIs(*w, 'o') && c.N(2) &&
      n2.wordClass >= Cls::FirstNonNoun) {
    WriteSuggestion(next, "times");
    SetWordMessage(next, Msg::Agreement, 5166);
    return Walk::PassNext;
  }
  if (IsDigit(static_cast<unsigned char>(n1.text.first())) || Split(*w) || Split(n1)) return Walk::Next;
  if (next && n1.wordClass == Cls::To && c.N(2) && n2.wordClass == Cls::Number)
    return IsAsciiLetter(static_cast<unsigned char>(n2.text.first())) ? Walk::PassNext : Walk::Next;
  if (next && IsUnitAfterNumber(n1)) return BeforeUnit(c);
  if (TextIs(*w, "zero")) {
    if (!TextIs(n1, "out")) return Walk::Next;
    w->entryWords = 2;
    WriteSuggestion(w, "reset to zero/resets to zero");
    SetWordMessage(w, Msg::WrongVerb, 5666);
    return Walk::SkipCovered;
  }
  if (c.N(2) && ClassIsOneOf(n2, {Cls::Noun, Cls::Nomenclature, Cls::Neutral, Cls::Number}) &&
      (kCompoundNext.Has(n1) || (TextIs(n1, "second") && w->length == 6))) {
    if (Split(*w) || Split(n1)) return Walk::Next;
    w->entryWords = 2;
    Hyphenate(w, n1, false);
    SetWordMessage(w, Msg::Hyphenation, 6304);
    return Walk::SkipCovered;
  }
  // "one percent" is a number before its unit, not the pronoun.
  if (TextIs(*w, "one") && !TextIs(n1, "percent")) {
    return OneWordRules(c);
  }
  if (!GoesOnBeforeNoun(c)) return Walk::Next;
  if (TextIs(n1, "percent")) return BeforePercent(c);
  return LaterWordRules(c);
}

}  // namespace

Walk NumberWordRules(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n1 = c.n1();
  if (c.N(1) && n1.wordClass == Cls::Nomenclature && n1.markFlag == '0' && !Split(n1) && c.N(2) &&
      c.n2().wordClass == Cls::Colour) {
    w->entryWords = 2;
    Hyphenate(w, n1, false);
    SetWordMessage(w, Msg::Hyphenation, 7304);
    return Walk::SkipCovered;
  }
  if (BracketRepeats(*w, n1)) {
    w->entryWords = 2;
    WriteSuggestion(w, w->written.view());
    SetWordMessage(w, Msg::Number, 7121);
    return Walk::PassNext;
  }
  if (IsMarked(*w) && c.N(1) && n1.wordClass == Cls::Verb) {
    SetWordMessage(w, Msg::MissingReference, 5667);
    return Walk::Next;
  }
  if (IsDigit(static_cast<unsigned char>(w->text.last()))) return Walk::Neutral;
  if (c.First()) return Walk::Next;
  return InsideWordRules(c);
}
