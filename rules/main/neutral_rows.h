#pragma once
// The rows of "per" among the neutral tokens, tried in order.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> PerRows();
