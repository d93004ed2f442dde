#pragma once
// The ordered rule tables of the demonstratives (class 76). The body
// (demonstrative_rules.cpp) chooses the table by the word and keeps the
// sentence state.
#include <span>

#include "rules/common/rule_row.h"

namespace demonstrative {

// "them" inside a sentence.
extern const std::span<const RuleRow> kThem;
// "these" and "those".
extern const std::span<const RuleRow> kTheseThose;
// "this": the rows before the subject number is set, and those after.
extern const std::span<const RuleRow> kThisFirst;
extern const std::span<const RuleRow> kThisRest;

}  // namespace demonstrative
