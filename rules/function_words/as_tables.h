#pragma once
// The ordered rule tables of "as" (class 54). The body (as_rules.cpp) tries
// them in the order of its steps; the comparison rules of *as X as* are in
// as_as_rules.cpp.
#include <span>

#include "rules/common/rule_row.h"

namespace as_rules {

// Gates of every "as": the end of the text or clause, *as shown* and its
// kin, *as it is*.
extern const std::span<const RuleRow> kHead;
// "As" that opens its sentence; the last row takes any other next word.
extern const std::span<const RuleRow> kSentenceStart;

// Inside a sentence, in order.
extern const std::span<const RuleRow> kMarkedNext;     // after a dropped "the"
extern const std::span<const RuleRow> kBeforeAs;       // *X as*: the finding sits on the previous word
extern const std::span<const RuleRow> kAsPossible;     // *as soon as possible* and its kin
extern const std::span<const RuleRow> kAsMeasureAs;    // *as near as*, *as well as*, ...
extern const std::span<const RuleRow> kNextWords;      // *as required*, *as needed*, ...
extern const std::span<const RuleRow> kPhrasesBefore;  // *as compared to* .. *as per*
extern const std::span<const RuleRow> kPhrasesAfter;   // *as safe as* .. *as such*
extern const std::span<const RuleRow> kResultWell;     // *as the result*, *as well*
extern const std::span<const RuleRow> kPhrases;        // the closing phrase table

// *as X as* (the word after next is "as"), in order.
extern const std::span<const RuleRow> kFewMany;
extern const std::span<const RuleRow> kAfterThird;     // only past the third word of the sentence
extern const std::span<const RuleRow> kComparison;
extern const std::span<const RuleRow> kClosing;

}  // namespace as_rules

// The comparison rules of an "as" inside a sentence whose word after next
// is "as"; they end the handling of the word.
Walk ApplyAsAsRules(RuleContext& c);
