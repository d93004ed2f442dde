#pragma once
// The -ing words with an approved alternative, tried before a noun.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> IngWordRows();
