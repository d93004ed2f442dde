#pragma once
// The row tables of the phrase rules, in the order each rule tries them.
#include <span>

#include "rules/common/rule_row.h"

// "in"
std::span<const RuleRow> InPhraseRows();
// "on"
std::span<const RuleRow> VerbsOnRows();
std::span<const RuleRow> TakesOnRows();
std::span<const RuleRow> OnSideOrPlaceRows();
std::span<const RuleRow> OnPhraseRows();
std::span<const RuleRow> OnContactRows();
// "off"
std::span<const RuleRow> OffAfterBeOrHaveRows();
std::span<const RuleRow> WasOffRows();
std::span<const RuleRow> TakesOffRows();
std::span<const RuleRow> OffParticleVerbRows();
std::span<const RuleRow> OffPhraseRows();
// "if"
std::span<const RuleRow> IfWordRows();
std::span<const RuleRow> CheckIfRows();
std::span<const RuleRow> IfMeaningRows();
// "no"
std::span<const RuleRow> NoLimitRows();
std::span<const RuleRow> NoSignRows();
std::span<const RuleRow> HasNoRows();
std::span<const RuleRow> NoPhraseRows();
