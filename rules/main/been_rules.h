#pragma once
// The ordered rules of "been" (class 27).
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> BeenRows();
