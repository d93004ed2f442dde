#include "rules/phrases/phrase_particle.h"

#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

bool EndsSentence(const WordRec& w) { return w.wordClass == 48; }

bool ParticleFirstSteps(const PhraseWords& pw, const LabelWords& labels, bool isOn) {
  WordRec* w = pw.w;
  const WordRec& n1 = pw.n1;

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
  if (TextMatches(n1, labels.words)) {
    if (IsCaps(*w)) {
      w->wordClass = 40;
      if (TextMatches(n1, labels.keepAsLabel) && pw.n1p) pw.n1p->wordClass = 40;
      return true;
    }
    if (isOn && TextIsOneOf(n1, {"contact", "command"})) {
      GiveFinding(pw, w, Msg::WrongMeaning, 8466,
                  {.covers = 2,
                   .suggestion = n1.text[2] == 'n' ? "when touch/if touched" : "from a command"});
      return true;
    }
    GiveFinding(pw, w, Msg::NameLabel, 8466, {.suggestion = labels.suggestion, .verbForm = 'X'});
    return true;
  }
  return false;
}

void GiveP1Finding(const PhraseWords& pw, int code, int ruleId, const Outcome& o, bool clearWord) {
  if (!pw.p1p) return;
  Outcome onP1 = o;
  onP1.covers = 2;
  GiveFinding(pw, pw.p1p, code, ruleId, onP1);
  if (clearWord) pass::ClearCodes(pw.w);
}

namespace {

bool RowMatches(const ParticleRow& r, const PhraseWords& pw) {
  if (r.p1 && (!pw.p1p || !TextMatches(pw.p1, r.p1))) return false;
  if (r.p2 && (!pw.p2p || !TextMatches(pw.p2, r.p2))) return false;
  if (r.n1 && !TextMatches(pw.n1, r.n1)) return false;
  if (r.n1Class && pw.n1.wordClass != r.n1Class) return false;
  if (r.n2 && !TextMatches(pw.n2, r.n2)) return false;
  if (r.n2Class && pw.n2.wordClass != r.n2Class) return false;
  return true;
}

}  // namespace

bool ApplyParticleRows(const PhraseWords& pw, const ParticleRow* rows, std::size_t count,
                       bool clearWordOnP1) {
  for (std::size_t i = 0; i < count; ++i) {
    const ParticleRow& r = rows[i];
    if (!RowMatches(r, pw)) continue;
    const Outcome o{.covers = r.covers,
                    .suggestion = r.suggestion,
                    .verbForm = r.verbForm,
                    .separatorFlag = r.separatorFlag};
    switch (r.target) {
      case On::W:
        GiveFinding(pw, pw.w, r.code, r.ruleId, o);
        break;
      case On::P1:
        GiveP1Finding(pw, r.code, r.ruleId, o, clearWordOnP1);
        break;
      case On::N1:
        GiveFinding(pw, pw.n1p, r.code, r.ruleId, o);
        break;
      case On::N2:
        GiveFinding(pw, pw.n2p, r.code, r.ruleId, o);
        break;
    }
    return true;
  }
  return false;
}
