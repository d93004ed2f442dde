// Rules of the time conjunctions, class 70 ("if", "when", "before", "after",
// "during", "while" and their kin, and "on" where the dictionary puts it
// here): the clause that ends at once, the word that opens its sentence,
// then the rules inside the sentence by the word and its first letter.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/time_conjunction_tables.h"
#include "rules/phrases/phrase_rules.h"

namespace {

// *after installing*: "after you install", from the verb's base form. The
// gerund finding stands even when no base form can be built.
std::optional<Walk> IngVerbAfter(RuleContext& c) {
  WordRec* next = c.N(1);
  if (!next || next->wordClass != Cls::VerbIng || next->subClass != 0) return std::nullopt;
  c.word->entryWords = 2;
  c.state.subjectNumber = 0;
  if (MakeVerbFromIng(next, 0) > 0) {
    if (FirstIs(*c.word, 'a'))
      FormatSuggestion(c.word, "after you %s", next->suggestion.c_str());
    else if (FirstIs(*c.word, 'b'))
      FormatSuggestion(c.word, "before you %s", next->suggestion.c_str());
    else
      FormatSuggestion(c.word, "%s", next->suggestion.c_str());
  }
  SetWordMessage(c.word, Msg::Gerund, 4211);
  return Walk::SkipCovered;
}

Walk ByFirstLetter(RuleContext& c) {
  using namespace time_conjunction;
  switch (c.word->text.first()) {
    case 'd':
      return ApplyFirstMatch(c, kLetterD).value_or(Walk::Next);
    case 'w':
      return ApplyFirstMatch(c, kLetterW).value_or(Walk::Next);
    case 'a':
    case 'b':
      if (auto o = ApplyFirstMatch(c, kLetterAB)) return *o;
      return IngVerbAfter(c).value_or(Walk::Next);
    default:
      return Walk::Next;
  }
}

}  // namespace

Walk ApplyTimeConjunctionRules(RuleContext& c) {
  using namespace time_conjunction;
  if (auto o = ApplyFirstMatch(c, kClauseEnd)) return *o;
  if (c.First()) return ApplyFirstMatch(c, kFirstWord).value_or(Walk::Next);
  if (TextIsOneOf(*c.word, {"if", "when", "before"}))
    return ApplyFirstMatch(c, kIfWhenBefore).value_or(Walk::Next);
  if (auto o = ApplyFirstMatch(c, kOtherWord)) return *o;
  if (TextIs(*c.word, "on")) {
    CheckOnPhrase(c.word, c.state);
    return Walk::Next;
  }
  return ByFirstLetter(c);
}
