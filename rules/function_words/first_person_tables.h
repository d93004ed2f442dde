#pragma once
// The ordered rule tables of the first- and second-person pronouns
// (class 78). The body (first_person_rules.cpp) keeps the subject state of
// the sentence and chooses the table by the word.
#include <span>

#include "rules/common/rule_row.h"

namespace first_person {

extern const std::span<const RuleRow> kI;
extern const std::span<const RuleRow> kWe;
extern const std::span<const RuleRow> kUs;
extern const std::span<const RuleRow> kHisHer;
extern const std::span<const RuleRow> kYou;

}  // namespace first_person
