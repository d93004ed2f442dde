#pragma once
// The ordered rule tables of "to" (class 68), stage by stage, and the two
// word lists round it. The body (to_rules.cpp) runs the stages in their
// order; the steps that scan ahead stay in the body.
#include <optional>
#include <span>
#include <string_view>

#include "rules/common/rule_row.h"

namespace to_rules {

// Inside a sentence: gates that pass the next word without a finding.
extern const std::span<const RuleRow> kSkipGates;
// "to" after the article "the": a missing reference.
extern const std::span<const RuleRow> kMarked;
// *next to*, and *to test*/*to check* (the last two with the STE dictionary).
extern const std::span<const RuleRow> kNextTo;
// Fixed phrases in every dictionary, with *need to*.
extern const std::span<const RuleRow> kFixedPhrases;
// The word before "to".
extern const std::span<const RuleRow> kWordBefore;
// The before-"to" list: the previous word, with advice chosen by its letters.
extern const std::span<const RuleRow> kBeforeList;
extern const std::span<const RuleRow> kStageJ;
// Rows that need two words before "to".
extern const std::span<const RuleRow> kStageK;
extern const std::span<const RuleRow> kStageL;
extern const std::span<const RuleRow> kStageM;
// The after-"to" list: the next word, with advice chosen by its letters.
extern const std::span<const RuleRow> kAfterList;
extern const std::span<const RuleRow> kStageN;
// The end of a clause and "to be".
extern const std::span<const RuleRow> kClauseEnd;
extern const std::span<const RuleRow> kStageP;
// Noun "to" noun: inside its window the word ends here.
extern const std::span<const RuleRow> kStageQ;
extern const std::span<const RuleRow> kStageR;
// "To" opening its sentence: the rows after the opening checks.
extern const std::span<const RuleRow> kOpening;

// "To" opening a sentence of at least six counted words and at most 21,
// written with a capital, before a word that is not punctuation.
bool OpeningHolds(const RuleContext& c);

// *side to side*: one hyphenated word on the first "side", covering the
// two words after it; the current word moves to the last of them.
std::optional<Walk> SideToSide(RuleContext& c);

// The advice for a word of the before-"to" list, chosen by its letters;
// null when its letters choose none.
const char* BeforeToAdvice(std::string_view word);
// "To" opening a sentence of at least six counted words and at most 21,
// written with a capital, before a word that is not punctuation.
bool OpeningHolds(const RuleContext& c);

// The advice for a word of the after-"to" list; null when none.
const char* AfterToAdvice(std::string_view word);

}  // namespace to_rules
