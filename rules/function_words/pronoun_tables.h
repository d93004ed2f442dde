#pragma once
// The ordered rule tables of the personal pronouns (class 66). The body
// (pronoun_rules.cpp) tries them in the order of its steps; "he" and "she",
// "It is" at a sentence start and the backward scan for a subject of "it"
// stay in the body.
#include <span>

#include "rules/common/rule_row.h"

namespace pronoun {

// "it": the word before it, then "it is" + an adjective + "to"/"that".
extern const std::span<const RuleRow> kItFirst;
// "It is" opening its sentence: the body skips one word more than the
// covered words.
extern const RuleRow kItIsOpening;
// "it" before "is", "have", "are", a verb, a modal and the like.
extern const std::span<const RuleRow> kItNext;
// "it" after the backward scan: be + adjective, clause ends, phrasal verbs.
extern const std::span<const RuleRow> kItAfterScan;

// "they" and "them".
extern const std::span<const RuleRow> kTheyThem;
// "I", "we", "our" and "am".
extern const std::span<const RuleRow> kOtherWords;

}  // namespace pronoun
