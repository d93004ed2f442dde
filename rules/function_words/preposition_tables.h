#pragma once
// The ordered rule tables of the class-60 prepositions and relative words.
// The body (preposition_rules.cpp) picks the table of the word; the steps
// that call the engine's look-ahead and article functions stay in the body.
#include <span>

#include "rules/common/rule_row.h"

namespace preposition {

// Gates of every class-60 word; each ends the call.
extern const std::span<const RuleRow> kHead;

extern const std::span<const RuleRow> kAcross;
extern const std::span<const RuleRow> kAgainst;
extern const std::span<const RuleRow> kInto;
extern const std::span<const RuleRow> kIts;
extern const std::span<const RuleRow> kSince;
// Verb + "through": the previous word, with its advice.
extern const std::span<const RuleRow> kThroughVerb;
extern const std::span<const RuleRow> kUntil;
// Every step of "under" after the finding it always gets first.
extern const std::span<const RuleRow> kUnder;
extern const std::span<const RuleRow> kWhat;
extern const std::span<const RuleRow> kWho;

}  // namespace preposition
