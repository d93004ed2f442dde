#pragma once
// The ordered rule tables of "and", "or" and "&" (class 63). The body
// (and_or_rules.cpp) tries them in the order of its steps; the two forward
// scans for a repeated conjunction stay in the body.
#include <span>

#include "rules/common/rule_row.h"

namespace and_or {

// Before the repeated-"and" scan: a comma after the word.
extern const std::span<const RuleRow> kCommaAfter;
// After it, in order: *and and*, *equal to*, *and up*, the words that end
// the call without a finding.
extern const std::span<const RuleRow> kBeforeRepeat;
// After the repeated-word scan: the rows every class-63 word shares.
extern const std::span<const RuleRow> kShared;
// "or" and "and" each have their own rows last.
extern const std::span<const RuleRow> kOr;
extern const std::span<const RuleRow> kAnd;

}  // namespace and_or
