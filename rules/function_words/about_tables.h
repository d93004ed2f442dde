#pragma once
// The ordered rule tables of "about", "above", "around" and "then"
// (class 73). The body (about_rules.cpp) tries the gates, then the table
// of the word.
#include <span>

#include "rules/common/rule_row.h"

namespace about_rules {

// Gates of every class-73 word; each ends the call without a finding.
extern const std::span<const RuleRow> kGates;

// "about" inside a sentence, then the rows of every "about".
extern const std::span<const RuleRow> kAboutInside;
extern const std::span<const RuleRow> kAbout;

extern const std::span<const RuleRow> kAbove;
extern const std::span<const RuleRow> kAround;
extern const std::span<const RuleRow> kThen;

}  // namespace about_rules
