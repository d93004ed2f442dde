#pragma once
// What the particle tables share: the tests on the particle and its
// neighbours, and the shapes of their rows. A finding "on the previous word"
// covers it and the particle (entryWords 2 there); where the particle's own
// messages go, the row ends with Walk::Clear.
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/common/rule_row.h"
#include "rules/phrases/phrase_particle.h"

namespace particle {

inline constexpr int kOpenParen = 41;   // "(" as the particles see it
inline constexpr int kCloseParen = 44;  // ")"

inline bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }
inline bool FromThird(const RuleContext& c) { return c.word->sentencePos > 1; }
inline bool FromFourth(const RuleContext& c) { return c.word->sentencePos > 2; }
inline bool Opens(const RuleContext& c) { return c.word->sentencePos <= 0; }
inline bool Lower(const RuleContext& c) { return !IsCaps(*c.word); }
inline bool Caps(const RuleContext& c) { return IsCaps(*c.word); }
// An ordinary word before the particle (no special token).
inline bool PlainBefore(const RuleContext& c) { return Inside(c) && c.p1().tokenKind == 0; }
// Sentence-ending punctuation, a tag or an "@" token after the particle.
inline bool EndAhead(const RuleContext& c) {
  return EndsSentence(c.n1()) || FirstIs(c.n1(), '<') || FirstIs(c.n1(), '@');
}
inline bool LongSentence(const RuleContext& c) { return c.state.sentenceWordCount >= 7; }
inline bool EndAheadLong(const RuleContext& c) { return EndAhead(c) && LongSentence(c); }
// The previous word and the next word were split off one compound.
inline bool SplitAround(const RuleContext& c) {
  return c.p1().splitKind == '4' && c.n1().splitKind == '4';
}

// The particle becomes a control label, not a verb particle.
inline void LabelParticle(RuleContext& c, WordRec&) { c.word->verbForm = 'X'; }
// The previous word's own codes go, with nothing in their place.
inline void DropCodes(RuleContext&, WordRec& w) { pass::ClearCodes(&w); }
// The particle also gets its own finding.
inline void AlsoOnParticle(RuleContext& c, WordRec&) { SetWordMessage(c.word, Msg::Preposition, 7323); }

// A phrasal verb: the advice and the finding go on the previous word, which
// covers the particle; the particle's own messages go.
constexpr RuleRow PrevVerb(Words previous, const char* text, MessageCode code, int ruleId) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = code, .ruleId = ruleId,
          .outcome = Walk::Clear};
}
// The same, the particle keeping its messages.
constexpr RuleRow OnPrev(Words previous, const char* text, MessageCode code, int ruleId, int covers = 2) {
  return {.p1 = previous, .suggestion = text, .covers = covers, .on = On::P1, .code = code,
          .ruleId = ruleId};
}
// The particle and the words after it, covered and passed over.
constexpr RuleRow Covering(Words next, const char* text, int covers, MessageCode code, int ruleId) {
  return {.n1 = next, .suggestion = text, .covers = covers, .code = code, .ruleId = ruleId,
          .outcome = Walk::SkipCovered};
}
// A control label after a lower-case particle: the particle is the label's
// name in capitals.
constexpr RuleRow Label(Words next, const char* text) {
  return {.n1 = next, .when = Lower, .suggestion = text, .verbForm = 'X', .code = Msg::NameLabel,
          .ruleId = 4602};
}

}  // namespace particle
