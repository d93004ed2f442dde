// Rules of "be" and "being" inside a sentence: the passive after them,
// wordy predicates that an approved verb replaces, and safety phrases.
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "rules/main/be_have_parts.h"
#include "rules/main/be_tables.h"

namespace {

constexpr Words kBeingAble = "able|unable|sure|careful";

// "be" before a word that is not a verb's complement: no rule.
bool BeEndsHere(const RuleContext& c) {
  const WordRec& n = c.n1();
  return CodeStarts(n, 'A') || n.wordClass < Cls::FirstNonNoun || n.wordClass == Cls::Article || IsMarked(n) ||
         c.p1().splitKind == '1' || n.tokenKind > 0;
}

// "being able (to)" and its kin: after the covered words the walk passes
// over two more words, or three when a "to" stands two words after them.
// The steps stop at the end record.
Walk BeingAble(RuleContext& c) {
  WordRec* w = c.word;
  w->entryWords = c.n2().wordClass == Cls::To ? 3 : 2;
  SetWordMessage(w, Msg::VerbTense, 6882);
  WordRec* last = SkipCoveredWords(w);
  const bool three = NextOr(last, 2).wordClass == Cls::To;
  c.word = three ? StepOn(last) : last;
  return Walk::PassTwo;
}

Walk BeingRules(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, BeingPassiveRows())) return *o;
  if (c.N(1) && kBeingAble.Has(c.n1())) return BeingAble(c);
  if (auto o = ApplyFirstMatch(c, BeingRows())) return *o;
  return Walk::Next;
}

}  // namespace

Walk ApplyBeRules(RuleContext& c) {
  SentenceStateRec& s = c.state;
  s.subjectNumber = 0;
  s.lastVerbClass = Cls::VerbEd;
  s.subjectSeen = -1;
  if (auto o = ApplyFirstMatch(c, BeFirstRows())) return *o;
  if (auto o = ApplyFirstMatch(c, BeBeingRows())) return *o;
  if (TextIs(*c.word, "being")) return BeingRules(c);
  if (!TextIs(*c.word, "be")) return Walk::Next;
  s.subjectNumber = 0;
  if (!c.N(1) || BeEndsHere(c)) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, BeOnlyRows())) return *o;
  return Walk::Next;
}
