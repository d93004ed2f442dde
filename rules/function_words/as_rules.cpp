// Rules of "as", class 54: the gates, then the rules of an "as" that opens
// its sentence or the chain of an "as" inside it. Every path ends the call.
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/rule_match.h"
#include "rules/function_words/as_tables.h"
#include "rules/function_words/function_word_bodies.h"

namespace {

// *as quick and as*, *as little or as*: an adjective or adverb whose
// comparison goes on two words later is passed over up to it.
std::optional<Walk> PassComparedWord(RuleContext& c) {
  if (!ClassIsOneOf(c.n1(), {Cls::Adjective, Cls::Adverb}) || c.n3().wordClass != Cls::As) return std::nullopt;
  c.word = SkipCoveredWords(c.word);
  return Walk::PassTwo;
}

Walk Inside(RuleContext& c) {
  using namespace as_rules;
  for (std::span<const RuleRow> rows :
       {kMarkedNext, kBeforeAs, kAsPossible, kAsMeasureAs, kNextWords, kPhrasesBefore})
    if (auto o = ApplyFirstMatch(c, rows)) return *o;
  if (auto o = PassComparedWord(c)) return *o;
  for (std::span<const RuleRow> rows : {kPhrasesAfter, kResultWell})
    if (auto o = ApplyFirstMatch(c, rows)) return *o;
  if (c.n2().wordClass == Cls::As) return ApplyAsAsRules(c);
  if (auto o = ApplyFirstMatch(c, kPhrases)) return *o;
  return Walk::Next;
}

}  // namespace

Walk ApplyAsRules(RuleContext& c) {
  using namespace as_rules;
  if (auto o = ApplyFirstMatch(c, kHead)) return *o;
  if (c.First()) return ApplyFirstMatch(c, kSentenceStart).value_or(Walk::Next);
  return Inside(c);
}
