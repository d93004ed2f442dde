#pragma once
// The parts of the noun rules (classes 10 to 19) that the class blocks
// share: the subject bookkeeping, the noun-cluster step and the dotted
// form.
#include <optional>

#include "rules/common/rule_context.h"

namespace nouns {

// Rule ids of a cluster of one to four nouns; 0 where the block gives no
// finding for that length (it goes on), kSilent for a single heavy noun
// that only ends the word.
inline constexpr int kSilent = -1;
struct ClusterRules {
  int one, two, three, four;
  bool clearTag;                            // a finding also clears the word's tag
  bool (*twoHolds)(const RuleContext&);     // the further test of a two-noun run
};

// The run of nouns that starts at the word, measured when the next word is
// an unmarked noun. A finding of n words covers them all and sets the
// subject number from the last one; two and four nouns go on after the
// covered words, one and three with the next word. No value when the run
// gives no finding (the block goes on).
std::optional<Walk> ClusterStep(RuleContext& c, const ClusterRules& rules);

// A word that an earlier word's finding covers. Only a three-noun cluster
// lets the walk go on inside its covered words; a word there gets no
// finding of its own, so that no word stands under two markers.
bool CoveredByEarlierFinding(const RuleContext& c);

// The subject of a sentence that has none yet: this noun, plural for the
// classes 11 and 19.
void NoteSubject(RuleContext& c);

// The dotted form of a noun (separatorFlag '8'): "the <word>" with 337.
void DottedForm(WordRec* w);

// The blocks below the class dispatch.
Walk CommonNounRules(RuleContext& c);    // 10, 11
Walk ProperNounRules(RuleContext& c);    // 15
Walk UnitRules(RuleContext& c);          // 17
Walk OtherNounRules(RuleContext& c);     // 16, 18, 19

// The rule id of the label rule of classes 16, 18 and 19 (a noun of a
// label line at the sentence start is terminology).
inline constexpr int kLabelTerminologyRule = 3140;

}  // namespace nouns
