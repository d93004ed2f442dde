// Rules of the demonstratives, class 76: a demonstrative stands before a
// noun; used alone it leaves the reader without a reference.
#include "engine/rule_match.h"
#include "rules/function_words/demonstrative_tables.h"
#include "rules/function_words/function_word_bodies.h"

Walk ApplyDemonstrativeRules(RuleContext& c) {
  using namespace demonstrative;
  const WordRec& w = *c.word;
  if (TextIs(w, "them")) {
    if (c.First()) {
      c.state.subjectNumber = 1;
      SetWordMessage(c.word, Msg::Awkward, 7314);
      return Walk::Next;
    }
    return ApplyFirstMatch(c, kThem).value_or(Walk::Next);
  }
  if (TextIsOneOf(w, {"these", "those"})) return ApplyFirstMatch(c, kTheseThose).value_or(Walk::Next);
  if (!TextIs(w, "this")) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, kThisFirst)) return *o;
  c.state.subjectNumber = 0;
  return ApplyFirstMatch(c, kThisRest).value_or(Walk::Next);
}
