#pragma once
// The ordered rules of "be" and "being" inside a sentence.
#include <span>

#include "rules/common/rule_row.h"

// "be" alone first (its wordy predicates), then both forms.
std::span<const RuleRow> BeFirstRows();
std::span<const RuleRow> BeBeingRows();
// "be" after the gate of its own rules.
std::span<const RuleRow> BeOnlyRows();
// "being": a participle after it, then the rest after "being able" and its kin.
std::span<const RuleRow> BeingPassiveRows();
std::span<const RuleRow> BeingRows();
