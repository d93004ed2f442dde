#pragma once
// The ordered rule tables of the particles (class 61): "up" and the other
// particles, "down" and "out". The bodies (particle_rules.cpp,
// particle_down.cpp, particle_out.cpp) try them in the order of their steps;
// the gates on the particle's position in the sentence stay in the bodies.
#include <optional>
#include <span>

#include "rules/common/rule_row.h"

namespace particle {

// The first row that holds, applied; no value when none holds.
inline std::optional<Walk> Table(RuleContext& c, std::span<const RuleRow> rows) {
  return ApplyFirstMatch(c, rows);
}
// A row that records its finding and lets the following steps run.
inline void GoOn(RuleContext& c, std::span<const RuleRow> rows) {
  const int i = FirstMatch(c, rows);
  if (i >= 0) ApplyRow(c, rows[static_cast<std::size_t>(i)]);
}

// Gates of every particle; each ends the call.
extern const std::span<const RuleRow> kHead;

// "up" and the other particles, step by step.
extern const std::span<const RuleRow> kUpOpening;     // the arrow label, ranges, four-word phrases
extern const std::span<const RuleRow> kUpLabel;       // a control label after the particle (goes on)
extern const std::span<const RuleRow> kUpBefore;      // the previous word, from the third word on
extern const std::span<const RuleRow> kUpLabelAgain;  // the label once more (goes on)
extern const std::span<const RuleRow> kUpVerbs;       // the first verb table
extern const std::span<const RuleRow> kUpFixed;       // fixed phrases round the particle
extern const std::span<const RuleRow> kUpAfterVerb;   // a few verbs before it
extern const std::span<const RuleRow> kUpMoreVerbs;   // the second verb table
extern const std::span<const RuleRow> kUpLate;        // tightening two words back, parentheses
extern const std::span<const RuleRow> kUpSentenceEnd;
extern const std::span<const RuleRow> kUpContext;     // the words round the particle
extern const std::span<const RuleRow> kUpClosing;

// "down", step by step.
extern const std::span<const RuleRow> kDownOpening;  // the particle opens its sentence
extern const std::span<const RuleRow> kDownArrow;
extern const std::span<const RuleRow> kDownLater;    // from the fourth word on
extern const std::span<const RuleRow> kDownLabel;    // goes on
extern const std::span<const RuleRow> kDownEnd;      // before the sentence end or a tag
extern const std::span<const RuleRow> kDownBefore;   // fixed verbs before it
extern const std::span<const RuleRow> kDownVerbs;    // the first verb table (goes on)
extern const std::span<const RuleRow> kDownNumbers;  // a number follows
extern const std::span<const RuleRow> kDownTo;
extern const std::span<const RuleRow> kDownLabelAgain;  // goes on
extern const std::span<const RuleRow> kDownLabelVerbs;  // the second verb table
extern const std::span<const RuleRow> kDownAfter;    // the word after it
extern const std::span<const RuleRow> kDownPhrases;
extern const std::span<const RuleRow> kDownMoreVerbs;  // the third verb table
extern const std::span<const RuleRow> kDownClosing;

// "out", step by step.
extern const std::span<const RuleRow> kOutOpening;  // the particle opens its sentence
extern const std::span<const RuleRow> kOutPhrases;  // "from" after it, "run out of"
extern const std::span<const RuleRow> kOutVerbs;    // verbs before it
extern const std::span<const RuleRow> kOutBeforeEnd;
extern const std::span<const RuleRow> kOutOf;       // "out of" + a range or a state
extern const std::span<const RuleRow> kOutParen;
extern const std::span<const RuleRow> kOutRest;

}  // namespace particle
