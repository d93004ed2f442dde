#pragma once
// The ordered rules of "not" inside its sentence, tried after the entry
// steps of the negation body.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> NegationRows();
