#pragma once
// The ordered rule tables of "of", "from", "their" and "some" (class 67).
// The body (of_rules.cpp) tries them in the order of its chains; the steps
// that call the engine's article function stay in the body.
#include <span>

#include "rules/common/rule_row.h"

namespace of_rules {

// Gates of every class-67 word; each ends the call.
extern const std::span<const RuleRow> kGates;

extern const std::span<const RuleRow> kSome;
extern const std::span<const RuleRow> kTheir;

// "from": the words after which it has no rules.
extern const std::span<const RuleRow> kFromFirst;
// Phrases on the words after "from".
extern const std::span<const RuleRow> kFromPhrases;
// *X from*: the previous word, with its advice.
extern const std::span<const RuleRow> kBeforeFrom;
// The last rows of "from".
extern const std::span<const RuleRow> kFromRest;

// "of": the words after which it has no rules.
extern const std::span<const RuleRow> kOfFirst;
// Phrases on the words around "of".
extern const std::span<const RuleRow> kOfPhrases;
// *X of*: the previous word, with its advice.
extern const std::span<const RuleRow> kBeforeOf;
// "of" inside the sentence: -ing words, "or", "use", and the words before
// it that end the rules.
extern const std::span<const RuleRow> kOfInside;
// The closing rows of "of", at every position.
extern const std::span<const RuleRow> kOfClosing;

}  // namespace of_rules
