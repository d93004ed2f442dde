// Rules of "with", class 74: the opening of a sentence, the word before
// "with" that forms a fixed pair with it, the gates on the next word, then
// the rows on the words around it.
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/with_tables.h"

namespace {

Walk Table(RuleContext& c, std::span<const RuleRow> rows) {
  if (auto o = ApplyFirstMatch(c, rows)) return *o;
  return Walk::Next;
}

// "With" opening a sentence of four or more words reads as a condition.
Walk Opening(RuleContext& c) {
  if (c.state.sentenceWordCount >= 4) {
    WriteSuggestion(c.word, "(When)/(Rephrase)");
    SetWordMessage(c.word, Msg::WrongMeaning, 1340);
  }
  return Walk::Next;
}

}  // namespace

Walk ApplyWithRules(RuleContext& c) {
  using namespace with_rules;
  if (c.word->sentencePos == 0) return Opening(c);
  // The pair step needs three words before "with"; once it has looked, its
  // answer ends the treatment or the word has no pair.
  if (c.word->sentencePos >= 3)
    if (auto o = ApplyFirstMatch(c, kPair)) return *o;
  if (auto o = ApplyFirstMatch(c, kNextGates)) return *o;
  if (!TextIs(*c.word, "with")) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, kFirstRows)) return *o;
  if (c.word->sentencePos > 2)
    if (auto o = ApplyFirstMatch(c, kLaterRows)) return *o;
  return Table(c, kLastRows);
}
