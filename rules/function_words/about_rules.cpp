// Rules of "about", "above", "around" and "then", class 73: the gates, then
// the table of the word. Other class-73 words have no rules.
#include "engine/rule_match.h"
#include "rules/function_words/about_tables.h"
#include "rules/function_words/function_word_bodies.h"

Walk ApplyAboutRules(RuleContext& c) {
  using namespace about_rules;
  if (auto o = ApplyFirstMatch(c, kGates)) return *o;
  const WordRec& w = *c.word;
  if (TextIs(w, "about")) {
    if (!c.First())
      if (auto o = ApplyFirstMatch(c, kAboutInside)) return *o;
    return ApplyFirstMatch(c, kAbout).value_or(Walk::Next);
  }
  if (TextIs(w, "above")) return ApplyFirstMatch(c, kAbove).value_or(Walk::Next);
  if (TextIs(w, "around")) return ApplyFirstMatch(c, kAround).value_or(Walk::Next);
  if (TextIs(w, "then")) return ApplyFirstMatch(c, kThen).value_or(Walk::Next);
  return Walk::Next;
}
