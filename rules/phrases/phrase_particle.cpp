#include "rules/phrases/phrase_particle.h"

#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/phrases/phrase_tables.h"

namespace {
// "on contact", "on command": what is meant instead.
// clang-format off
constexpr RuleRow kOnContact[] = {
    {.n1 = "contact", .suggestion = "when touch/if touched", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 8466, .outcome = Walk::SkipCovered},
    {.n1 = "command", .suggestion = "from a command", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 8466, .outcome = Walk::SkipCovered},
};
// clang-format on
}  // namespace

std::span<const RuleRow> OnContactRows() { return kOnContact; }

bool EndsSentence(const WordRec& w) { return w.wordClass == 48; }

bool ParticleFirstSteps(RuleContext& c, const ParticleLabels& labels, bool isOn) {
  WordRec* w = c.word;
  const WordRec& n1 = c.n1();

  if (ClassIsOneOf(n1, {37, 38}) || w->splitKind == '4') return true;
  if (ClassIsOneOf(n1, {20, 22, 31, 57, 78})) {
    w->wordClass = 40;
    return true;
  }
  if (CodeStarts(n1, 'A') || IsMarked(n1) || (n1.markFlag == '0' && n1.wordClass < 20) ||
      ClassIsOneOf(n1, {49, 64}) || TextIs(n1, "position")) {
    w->wordClass = 40;
    return true;
  }
  if (IsCaps(*w) && (w->tokenKind == 9 || FirstIs(n1, '(') || FirstIs(n1, ')'))) {
    w->wordClass = 40;
    return true;
  }
  if (labels.words.Has(n1)) {
    if (IsCaps(*w)) {
      w->wordClass = 40;
      if (labels.keepAsLabel.Has(n1) && c.N(1)) c.N(1)->wordClass = 40;
      return true;
    }
    if (isOn && GiveFirstRow(c, kOnContact)) return true;
    GiveFinding(c, w, Msg::NameLabel, 8466, {.suggestion = labels.suggestion, .verbForm = 'X'});
    return true;
  }
  return false;
}

void GiveP1Finding(RuleContext& c, int code, int ruleId, const Outcome& o, bool clearWord) {
  if (!c.P(1)) return;
  Outcome onP1 = o;
  onP1.covers = 2;
  GiveFinding(c, c.P(1), code, ruleId, onP1);
  if (clearWord) pass::ClearCodes(c.word);
}
