// Rules of comparatives, superlatives, quantifiers and names, classes 34 to
// 39: the class dispatch, and the comparatives and superlatives, whose steps
// read best as code (a comparative may hand its later steps to the next
// word).
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/class_bodies.h"
#include "rules/main/comparative_parts.h"

namespace {

constexpr int kRangeRule = 3864;
constexpr const char* kGiveRange = "(Give range or measure.)";

bool IsNoun(const WordRec* w) { return w && w->wordClass < Cls::FirstNonNoun; }

// The comparatives that want a measure when they stand before a noun.
bool IsMeasureComparative(const WordRec& w) {
  return TextIsOneOf(w, {"longer", "lower", "higher", "shorter", "upper", "smaller"});
}

// A comparative before an article or a marked word is the verb ("lower the
// jack"): it becomes class 20 with a verb code.
bool BecomesVerb(WordRec* w, const WordRec& n) {
  if (!IsMarked(n) && n.wordClass != Cls::Article) return false;
  pass::SetFamily(w, 'V');
  w->wordClass = Cls::Verb;
  return true;
}

// Findings that want a measure; the steps before the first-letter rules.
// No value: the later steps run.
std::optional<Walk> MeasureWanted(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  const WordRec& p = c.p1();
  if (TextIsOneOf(*w, {"slightly", "shorter", "larger", "almost"})) {
    SetWordMessage(w, Msg::Measurement, kRangeRule);
    return Walk::Next;
  }
  bool vague = false;
  if (TextIs(*w, "higher")) {
    vague = c.P(1) && p.wordClass == Cls::AndOr;
    if (TextIs(p, "next")) {
      WriteSuggestion(w, "next level/(Be specific)");
      SetWordMessage(w, Msg::Measurement, kRangeRule);
      return Walk::PassNext;
    }
  }
  if (TextIs(*w, "longer")) {
    if (TextStarts(n, "period") || TextIs(n, "time")) {
      w->entryWords = 2;
      WriteSuggestion(w, "(Be time value)");
      SetWordMessage(w, Msg::Measurement, kRangeRule);
      return Walk::PassNext;
    }
    vague = c.P(1) && p.wordClass == Cls::Verb;
  }
  if (TextIs(*w, "older")) return Walk::Next;
  if (vague) {
    w->entryWords = 2;
    WriteSuggestion(w, "(Give range, measure, or ref.)");
    SetWordMessage(w, Msg::Measurement, kRangeRule);
    return Walk::PassNext;
  }
  return std::nullopt;
}

// Sets a finding on the current word and makes the next word current.
void FindingAndMoveOn(RuleContext& c, const char* suggestion, MessageCode code, int ruleId) {
  c.word->entryWords = 2;
  if (suggestion) WriteSuggestion(c.word, suggestion);
  SetWordMessage(c.word, code, ruleId);
  c.word = c.N(1);
}

// The rules by the comparative's first letter. A rule that moves the walk
// makes the next word the current one.
void ByFirstLetter(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  if (!n || AtEnd(n)) return;
  switch (w->text.first()) {
    case 'a':
    case 'd':
      if (TextIsOneOf(*n, {"assembly", "date", "number"}))
        FindingAndMoveOn(c, "(Give a date or time)", Msg::Measurement, kRangeRule);
      return;
    case 'e':
      if (TextIs(*w, "earlier") && TextIsOneOf(*n, {"time", "than"}))
        FindingAndMoveOn(c, "(Give a time measure)", Msg::WrongMeaning, 1538);
      return;
    case 'f':
      if (!TextIs(*w, "further")) return;
      if (ClassIsOneOf(*n, {Cls::Adjective, Cls::Participle, Cls::SentenceEnd})) {
        SetWordMessage(w, Msg::Delete, 2238);
      } else if (c.steDictionary == 1) {
        WriteSuggestion(w, "more");
        SetWordMessage(w, Msg::WrongMeaning, 3238);
      } else if (TextIsOneOf(*n, {"study", "information"}) || TextStarts(*n, "instruction")) {
        FindingAndMoveOn(c, "more information", Msg::WrongMeaning, 3238);
      }
      return;
    case 'h':
    case 'l':
    case 's':
    case 'u':
      if (TextIsOneOf(*w, {"lower", "higher", "shorter", "upper", "smaller"}) && CodeStarts(*n, 'N'))
        FindingAndMoveOn(c, nullptr, Msg::WrongMeaning, 1438);
      return;
    default:
      return;
  }
}

// The last steps: a comparative as a verb, before a number, or before a verb.
Walk VerbOrNumber(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  if (!ClassIsOneOf(n, {Cls::Verb, Cls::VerbS, Cls::SentenceEnd})) {
    if (BecomesVerb(w, n)) return Walk::Next;
    if (w->sentencePos > 2 && w->sentencePos < c.state.sentenceWordCount - 3 && n.wordClass == Cls::To &&
        c.n2().wordClass == Cls::Number && c.N(2)) {
      w->entryWords = 2;
      SetWordMessage(w, Msg::Measurement, 1864);
      return Walk::SkipCovered;
    }
    return Walk::Next;
  }
  if (w->sentencePos > 0 && IsNoun(c.P(1))) return Walk::Next;
  SetWordMessage(w, Msg::Adjective, 864);
  return Walk::Next;
}

// The range requests of "lower", "higher" and their kin.
Walk RangeRequest(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  const WordRec& p = c.p1();
  if (w->sentencePos > 0 && FirstIs(*w, 'h') && c.P(1) && p.wordClass == Cls::AndOr && n &&
      FirstIs(*n, '.'))
    return Walk::Next;
  if (n && BecomesVerb(w, *n)) return Walk::Next;
  if (n && TextIsOneOf(*w, {"lower", "shorter", "upper", "smaller"}) &&
      (CodeStarts(*n, 'N') || CodeStarts(*n, 'A'))) {
    if (WordRec* pw = c.P(1); pw && TextIsOneOf(*pw, {"slightly", "shorter", "longer", "almost"})) {
      pw->entryWords = 2;
      WriteSuggestion(pw, kGiveRange);
      SetWordMessage(pw, Msg::Measurement, kRangeRule);
    }
    return Walk::Next;
  }
  if (n && FirstIs(*w, 'h') && TextIsOneOf(*n, {"class", "version"})) {
    w->entryWords = 2;
    WriteSuggestion(w, "(Give Class, version name or number.)");
    SetWordMessage(w, Msg::Measurement, 5864);
    return Walk::Next;
  }
  WriteSuggestion(w, kGiveRange);
  SetWordMessage(w, Msg::Measurement, 4864);
  if (n && !AtEnd(n) && TextIs(*n, "then")) {
    WriteSuggestion(n, "than");
    SetWordMessage(n, Msg::Spelling, 4864);
    return Walk::PassNext;
  }
  return Walk::Next;
}

}  // namespace

Walk ApplyComparativeClassRules(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  if (IsMarked(*w) && IsMarked(n)) {
    SetWordMessage(w, Msg::Adjective, 7864);
    return Walk::Next;
  }
  if (IsMarked(n)) {
    SetWordMessage(w, Msg::Awkward, 7864);
    return Walk::Next;
  }
  if (w->sentencePos > 0 &&
      ((CodeStarts(n, 'V') && n.dictMarker == '^') || (c.P(1) && c.p1().wordClass == Cls::Article) ||
       IsMarked(*w)))
    return Walk::Next;
  if (w->sentencePos >= 1)
    if (auto o = MeasureWanted(c)) return *o;
  ByFirstLetter(c);
  // From here on the current word may be the one after the comparative.
  if (TextIs(c.n1(), "than") || !IsMeasureComparative(*c.word)) return VerbOrNumber(c);
  return RangeRequest(c);
}

Walk ApplySuperlativeRules(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  if (w->sentencePos > 0 && c.P(1) &&
      ((FirstIs(c.p1(), '(') && FirstIs(n, ')')) || c.p1().wordClass == Cls::Verb))
    return Walk::Next;
  if (c.N(1) && n.wordClass == Cls::FirstPerson) {
    if (!TextIs(*w, "nearest")) return Walk::Next;
    WriteSuggestion(w, "nearest to");
    SetWordMessage(w, Msg::Awkward, 4933);
    return Walk::PassNext;
  }
  if (TextIsOneOf(*w, {"lowest", "highest"})) {
    if (n.markFlag == '0' &&
        (TextStartsOneOf(n, {"voltage", "temperature", "level", "pressure", "limit", "amount"}) ||
         TextIsOneOf(n, {"power", "current", "force"}))) {
      w->entryWords = 2;
      w->wordClass = n.lastLetter == 's' ? Cls::NounPlural : Cls::Noun;
      WriteSuggestion(w, "(Give Range)");
      SetWordMessage(w, Msg::Measurement, 4559);
      return Walk::SkipCovered;
    }
    return Walk::Next;
  }
  if (TextIs(c.p1(), "next")) {
    pass::ClearCodes(c.P(1));
    return Walk::Next;
  }
  if (TextIsOneOf(n, {"assembly", "number"})) {
    w->entryWords = 2;
    WriteSuggestion(w, "(Give a date or time ref.)");
    SetWordMessage(w, Msg::Measurement, kRangeRule);
    return Walk::PassNext;
  }
  return Walk::Next;
}

Walk ApplyComparativeRules(RuleContext& c) {
  switch (c.word->wordClass) {
    case Cls::Comparative:
      return ApplyComparativeClassRules(c);
    case Cls::Superlative:
      return ApplySuperlativeRules(c);
    case Cls::QuantifierSingular:
      return ApplyQuantifierRules(c);
    case Cls::Determiner:
      return ApplyDeterminerRules(c);
    case Cls::ProperName:
      return ApplyNameRules(c);
    default:
      return Walk::Next;
  }
}
