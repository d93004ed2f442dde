#pragma once
// The ordered rule tables of "but", "because" and "so" (class 62); the body
// (but_because_rules.cpp) picks one by the word.
#include <span>

#include "rules/common/rule_row.h"

namespace but_because {

extern const std::span<const RuleRow> kBecause;
extern const std::span<const RuleRow> kSo;
extern const std::span<const RuleRow> kBut;

}  // namespace but_because
