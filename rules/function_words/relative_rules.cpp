// Rules of "which", "that" and "who", class 69: the gates, then the rules of
// the word itself. Every path ends the call.
#include "engine/covered_words.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/relative_tables.h"

namespace {

// *ensure that no*: the advice replaces all three words, so the finding goes
// on "ensure" and covers them; the walk goes on after "no".
std::optional<Walk> EnsureThatNo(RuleContext& c) {
  WordRec* prev = c.P(1);
  if (!prev || !TextStarts(*prev, "ensure") || !TextIs(c.n1(), "no")) return std::nullopt;
  prev->entryWords = 3;
  WriteSuggestion(prev, "make sure that there are no");
  SetWordMessage(prev, Msg::Awkward, 4914);
  c.word = SkipCoveredWords(prev);
  return Walk::Next;
}

Walk ThatRules(RuleContext& c) {
  using namespace relative;
  if (auto o = ApplyFirstMatch(c, kThatFirst)) return *o;
  if (auto o = EnsureThatNo(c)) return *o;
  return ApplyFirstMatch(c, kThat).value_or(Walk::Next);
}

}  // namespace

Walk ApplyRelativeRules(RuleContext& c) {
  using namespace relative;
  if (auto o = ApplyFirstMatch(c, kGates)) return *o;
  const WordRec& w = *c.word;
  if (TextIs(w, "which")) return ApplyFirstMatch(c, kWhich).value_or(Walk::Next);
  if (TextIs(w, "that")) return ThatRules(c);
  if (TextIs(w, "who")) return ApplyFirstMatch(c, kWho).value_or(Walk::Next);
  return Walk::Next;
}
