#pragma once
// The ordered rules of the adjective classes: an adjective (class 30) that
// opens its sentence, and a past participle used as an adjective (class 31)
// inside its sentence.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> OpeningAdjectiveRows();
std::span<const RuleRow> ParticipleRows();
