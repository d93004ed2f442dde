#pragma once
// The ordered rule tables of "no" and "never" (class 77).
#include <span>

#include "rules/common/rule_row.h"

namespace no_never {

// "no": signs in capitals, verbs, prohibitions written as signs, phrases.
extern const std::span<const RuleRow> kNo;
// "never": "do not" in its contexts, and vague phrases.
extern const std::span<const RuleRow> kNever;

}  // namespace no_never
