// Rules of "no" and "never", class 77: prohibitions written as signs become
// commands, "never" becomes "do not". The phrase rules of "no"
// (rules/phrases/phrase_no.cpp) are not called from here.
#include "engine/rule_match.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/no_never_tables.h"

Walk ApplyNoNeverRules(RuleContext& c) {
  using namespace no_never;
  if (TextIs(*c.word, "no")) return ApplyFirstMatch(c, kNo).value_or(Walk::Next);
  if (TextIs(*c.word, "never")) return ApplyFirstMatch(c, kNever).value_or(Walk::Next);
  return Walk::Next;
}
