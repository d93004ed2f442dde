#pragma once
// The ordered rule tables of "for" and "by" (class 65). The body
// (for_by_rules.cpp) tries them in the order of its chains; the steps that
// call the engine's look-ahead functions stay in the body.
#include <span>

#include "rules/common/rule_row.h"

namespace for_by {

// Gates of every class-65 word; each ends the call.
extern const std::span<const RuleRow> kHead;

// "for" inside a sentence: the first gates and the gerund after "for".
extern const std::span<const RuleRow> kForFirst;
// *X for*: the previous word, with its advice.
extern const std::span<const RuleRow> kBeforeFor;
// Phrases on the words after "for".
extern const std::span<const RuleRow> kAfterFor;
// "for" + a word of its list (covers both words).
extern const std::span<const RuleRow> kForWords;
// The remaining rows of "for", before and after the -ing verb step.
extern const std::span<const RuleRow> kForRest;
extern const std::span<const RuleRow> kForTail;

// "by" inside a sentence: the first rows.
extern const std::span<const RuleRow> kByFirst;
// *X by*: the previous word, with its advice.
extern const std::span<const RuleRow> kBeforeBy;
// Phrases on the words after "by".
extern const std::span<const RuleRow> kAfterBy;
// "by" + a word of its list (covers both words).
extern const std::span<const RuleRow> kByWords;

}  // namespace for_by
