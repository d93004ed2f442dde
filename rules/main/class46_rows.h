#pragma once
// The ordered rows of word class 46, a word judged only by its neighbours.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> Class46Rows();
