#pragma once
// The ordered rules of "has" and "had" inside a sentence, in three runs:
// the agreement test of "has" stands between the first two, the subject
// reset of "had" between the last two.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> HasFirstRows();
std::span<const RuleRow> HasPassiveRows();
std::span<const RuleRow> HasLaterRows();
// "having".
std::span<const RuleRow> HavingRows();
