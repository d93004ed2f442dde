#include "rules/common/held_be.h"

#include <string>

#include "engine/advice_forms.h"
#include "engine/covered_words.h"
#include "engine/rule_text.h"

bool BeHeld(const RuleContext& c) {
  const WordRec* be = c.P(2);
  if (!be) return false;
  // The "be"'s own finding over the listed word too ("is going" of "is going
  // to") says less of the same words: the row's marker takes its place.
  if (HasCodes(*be) && be->entryWords >= 2) return CoveredByEarlierFinding(be);
  return HeldByFinding(be);
}

void FitAfterHeldBe(RuleContext& c, WordRec& target) {
  const WordRec* be = c.P(2);
  if (!be || target.suggestion.empty()) return;
  // The marker the row gives way for: the "be", `target` and the current word.
  const std::string advice = AdviceAfterKeptBe(*be, 3, target.suggestion.view());
  WriteSuggestion(&target, advice);
}
