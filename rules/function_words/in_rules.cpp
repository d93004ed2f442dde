// Rules of "in" inside a sentence (class 75; the class head and the
// sentence start are the place-preposition body's). Fixed phrases, "in"
// before an -ing verb, and the verbs and adjectives that do not go with
// "in"; what is left goes to the phrase rules of "in".
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/in_tables.h"
#include "rules/function_words/place_preposition_tables.h"
#include "rules/phrases/phrase_rules.h"

namespace {

using namespace in_rules;

// "in" + an -ing verb: "verb/to verb" from the verb's base form.
std::optional<Walk> BeforeIng(RuleContext& c) {
  WordRec* next = c.N(1);
  if (!next || next->wordClass != Cls::VerbIng || next->subClass != 0) return std::nullopt;
  c.state.subjectNumber = 0;
  c.word->entryWords = 2;
  if (MakeVerbFromIng(next, 0) > 0)
    FormatShortText(c.word->suggestion, "%s/to %s", next->suggestion.c_str(), next->suggestion.c_str());
  SetWordMessage(c.word, Msg::Gerund, 7389);
  return Walk::SkipCovered;
}

}  // namespace

Walk ApplyInRules(RuleContext& c) {
  c.state.subjectSeen = -1;
  c.state.lastVerbClass = -1;
  for (auto rows : {kHead, kWordBefore, kAfterArticle, kPhrases})
    if (auto o = ApplyFirstMatch(c, rows)) return *o;
  if (auto o = BeforeIng(c)) return *o;
  for (auto rows : {kBetween, kNextWord, kVerbBefore})
    if (auto o = ApplyFirstMatch(c, rows)) return *o;
  const WordRec& next = c.n1();
  if (c.N(1) && next.markFlag == '0' && next.wordClass != Cls::Article && CheckInPhrase(c.word) == 1)
    return Walk::Next;
  if (auto o = ApplyFirstMatch(c, kTail)) return *o;
  return Walk::Next;
}
