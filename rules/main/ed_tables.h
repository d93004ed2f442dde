#pragma once
// The phrase tables of the verbs in -ed: the first (phrasal verbs and
// time words) and the second (phrases inside the sentence), and the
// reference checks.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> EdPhraseRows();
std::span<const RuleRow> EdSecondPhraseRows();
std::span<const RuleRow> EdReferenceRows();
