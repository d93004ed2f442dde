#pragma once
// The ordered rule tables of "with" (class 74). The body (with_rules.cpp)
// tries them in the order of its steps: the word before "with" that forms a
// fixed pair with it, the gates on the next word, then the rows on the words
// around it.
#include <span>

#include "rules/common/rule_row.h"

namespace with_rules {

// From the fourth word of a sentence on: the words before "with" that it
// must not follow, then the word before it that forms a fixed pair with it
// (the advice and the finding go on that word).
extern const std::span<const RuleRow> kPair;
// Next words after which "with" gets no finding.
extern const std::span<const RuleRow> kNextGates;
// The rows tried at every position inside the sentence.
extern const std::span<const RuleRow> kFirstRows;
// The rows tried from the fourth word of a sentence on.
extern const std::span<const RuleRow> kLaterRows;
// The closing rows, tried at every position inside the sentence.
extern const std::span<const RuleRow> kLastRows;

}  // namespace with_rules
