#pragma once
// The ordered rule tables of "which", "that" and "who" (class 69). The body
// (relative_rules.cpp) tries them in the order of its steps; the one step
// that moves the walk over the previous word's finding stays in the body.
#include <span>

#include "rules/common/rule_row.h"

namespace relative {

// Gates of every class-69 word; each ends the call.
extern const std::span<const RuleRow> kGates;

// "which" and "who".
extern const std::span<const RuleRow> kWhich;
extern const std::span<const RuleRow> kWho;

// "that": the verbs and *that result in* that come before *ensure that no*,
extern const std::span<const RuleRow> kThatFirst;
// and every row after it.
extern const std::span<const RuleRow> kThat;

}  // namespace relative
