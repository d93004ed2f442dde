#include "rules/common/held_be.h"

#include <string>

#include "engine/advice_forms.h"
#include "engine/covered_words.h"
#include "engine/rule_text.h"

bool BeHeld(const RuleContext& c) { return HeldByFinding(c.P(2)); }

void FitAfterHeldBe(RuleContext& c, WordRec& target) {
  const WordRec* be = c.P(2);
  if (!be || target.suggestion.empty()) return;
  // The marker the row gives way for: the "be", `target` and the current word.
  const std::string advice = AdviceAfterKeptBe(*be, 3, target.suggestion.view());
  WriteSuggestion(&target, advice);
}
