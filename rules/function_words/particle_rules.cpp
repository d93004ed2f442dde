// Rules of the particles, class 61: the gates of every particle, then the
// rules of the particle itself. "off" has its phrase rules, "down" and
// "out" their own steps (particle_down.cpp, particle_out.cpp); "up" and any
// other particle take the steps here.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/particle_rows.h"
#include "rules/function_words/particle_steps.h"
#include "rules/function_words/particle_tables.h"
#include "rules/phrases/phrase_particle.h"
#include "rules/phrases/phrase_rules.h"

namespace {

using namespace particle;

// "up" and the particles without rules of their own. The first rule that
// records a finding ends the call; the label rules record theirs and go on.
Walk UpRules(RuleContext& c) {
  const WordRec& w = *c.word;
  const int pos = w.sentencePos;
  if (auto o = Table(c, kUpOpening)) return *o;
  GoOn(c, kUpLabel);
  if (pos > 1)
    if (auto o = Table(c, kUpBefore)) return *o;
  GoOn(c, kUpLabelAgain);
  if (pos >= 1 && w.markFlag == '0')
    if (auto o = Table(c, kUpVerbs)) return *o;
  if (auto o = Table(c, kUpFixed)) return *o;
  if (pos > 0)
    if (auto o = Table(c, kUpAfterVerb)) return *o;
  if (PlainBefore(c))
    if (auto o = Table(c, kUpMoreVerbs)) return *o;
  if (auto o = Table(c, kUpLate)) return *o;
  // At the sentence end the particle is decided here.
  if (PlainBefore(c) && (EndsSentence(c.n1()) || FirstIs(c.n1(), '@')))
    return Table(c, kUpSentenceEnd).value_or(Walk::Next);
  if (PlainBefore(c) && w.tokenKind == 0)
    if (auto o = Table(c, kUpContext)) return *o;
  return Table(c, kUpClosing).value_or(Walk::Next);
}

}  // namespace

Walk ApplyParticleRules(RuleContext& c) {
  if (auto o = Table(c, kHead)) return *o;
  if (TextIs(*c.word, "off")) {
    CheckOffPhrase(c.word, c.state);
    return Walk::Next;
  }
  if (TextIs(*c.word, "out")) return ApplyOutRules(c);
  if (TextIs(*c.word, "down")) return ApplyDownRules(c);
  return UpRules(c);
}
