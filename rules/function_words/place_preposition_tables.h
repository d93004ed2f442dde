#pragma once
// The ordered rule tables of the place prepositions (class 75): the class
// head, the sentence start, and "at" inside a sentence. The body
// (place_preposition_rules.cpp) runs them; the rules of "in" inside a
// sentence are in in_rules.cpp.
#include <span>

#include "rules/common/rule_row.h"

namespace place {

// Gates of every class-75 word; each ends the call.
extern const std::span<const RuleRow> kHead;
// A class-75 word opening a sentence that has a comma later.
extern const std::span<const RuleRow> kTableA;
// "at" inside a sentence: fixed phrases after it.
extern const std::span<const RuleRow> kTableB;
// "at" after a verb or adverb: the previous word gets the finding.
extern const std::span<const RuleRow> kTableC;
// "at": the remaining rows, with its word list.
extern const std::span<const RuleRow> kTableD;

}  // namespace place

// The rules of "in" (and any class-75 word in 'i') inside a sentence.
Walk ApplyInRules(RuleContext& c);
