// Rules of the negatives, class 29: only "not" has rules. The entry steps
// settle the short cases and a "not" that opens its sentence; inside the
// sentence the ordered rows of the negation table decide.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/main/class_bodies.h"
#include "rules/main/negation_table.h"

namespace {

constexpr int kOpeningNotRule = 3215;
constexpr int kNotMoreRule = 6117;

// Words after "not" that make a phrase with no finding.
constexpr Words kPlainAfterNot = "applicable|necessary|changed|for|by|be|related";

// "Not" that opens its sentence.
Walk OpeningNot(RuleContext& c) {
  WordRec* n = c.N(1);
  if (n && TextIs(*n, "required")) {
    n->wordClass = Cls::Neutral;
    return Walk::Next;
  }
  if (n && TextIs(*n, "more")) {
    c.word->entryWords = 2;
    SetWordMessage(c.word, Msg::Rephrase, kNotMoreRule);
    return Walk::SkipCovered;
  }
  SetWordMessage(c.word, Msg::Negative, kOpeningNotRule);
  return Walk::Next;
}

}  // namespace

Walk ApplyNegationRules(RuleContext& c) {
  WordRec& w = *c.word;
  if (!TextIs(w, "not")) return Walk::Next;
  const WordRec& n = c.n1();
  if (IsMarked(n) || ClassIsOneOf(n, {Cls::Article, Cls::ShortForm, Cls::SentenceEnd, Cls::PlacePreposition}) ||
      c.state.sentenceWordCount < 4)
    return Walk::Next;
  if (kPlainAfterNot.Has(n)) return Walk::SkipCovered;
  if (w.sentencePos > 0 && TextIsOneOf(c.p1(), {"does", "do"})) {
    pass::ClearCodes(c.P(1));
    return Walk::Next;
  }
  if (w.sentencePos == 0) return OpeningNot(c);
  if (w.sentencePos < 0) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, NegationRows())) return *o;
  return Walk::Next;
}
