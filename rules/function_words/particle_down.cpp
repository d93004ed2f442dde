// Steps of the particle "down": a control label, a phrasal verb with the
// previous word, a range before "to" and a number, a few fixed phrases.
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/function_words/particle_steps.h"
#include "rules/function_words/particle_tables.h"

using namespace particle;

Walk ApplyDownRules(RuleContext& c) {
  const int pos = c.word->sentencePos;
  if (pos <= 0) return Table(c, kDownOpening).value_or(Walk::Next);
  if (auto o = Table(c, kDownArrow)) return *o;
  if (pos > 2)
    if (auto o = Table(c, kDownLater)) return *o;
  GoOn(c, kDownLabel);
  if (auto o = Table(c, kDownEnd)) return *o;
  if (auto o = Table(c, kDownBefore)) return *o;
  // A verb of the first table keeps its finding, and the particle goes on
  // to the steps below without messages of its own.
  if (const int i = FirstMatch(c, kDownVerbs); i >= 0) {
    ApplyRow(c, kDownVerbs[static_cast<std::size_t>(i)]);
    pass::ClearCodes(c.word);
  }
  if (auto o = Table(c, kDownNumbers)) return *o;
  if (c.n1().wordClass == Cls::To) return Table(c, kDownTo).value_or(Walk::Next);
  GoOn(c, kDownLabelAgain);
  if (c.p1().tokenKind == 0)
    if (auto o = Table(c, kDownLabelVerbs)) return *o;
  if (auto o = Table(c, kDownAfter)) return *o;
  if (auto o = Table(c, kDownPhrases)) return *o;
  if (c.p1().tokenKind == 0 && c.p1().splitKind != '4')
    if (auto o = Table(c, kDownMoreVerbs)) return *o;
  return Table(c, kDownClosing).value_or(Walk::Next);
}
