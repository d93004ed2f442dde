#pragma once
// The rows of the determiners (class 38) inside their sentence, one table
// per word, in the order they are tried.
#include <span>
#include <string_view>

#include "rules/common/rule_row.h"

// The rows of the determiner `text` ("more", "much", "most" and "many"
// share theirs); empty for a word that has none.
std::span<const RuleRow> DeterminerRows(std::string_view text);

// "short" with its sentence position not above 0: the one row that applies.
std::span<const RuleRow> ShortOpeningRows();

std::span<const RuleRow> AllRows();
std::span<const RuleRow> AnyRows();
std::span<const RuleRow> BestRows();
std::span<const RuleRow> EnoughRows();
std::span<const RuleRow> EveryRows();
std::span<const RuleRow> FineRows();
std::span<const RuleRow> LessRows();
std::span<const RuleRow> MoreRows();
std::span<const RuleRow> NextRows();
std::span<const RuleRow> OtherRows();
std::span<const RuleRow> PossibleRows();
std::span<const RuleRow> QuickRows();
std::span<const RuleRow> SameRows();
std::span<const RuleRow> SeveralRows();
std::span<const RuleRow> ShortRows();
std::span<const RuleRow> SlowRows();
std::span<const RuleRow> SmallRows();
std::span<const RuleRow> StraightRows();
std::span<const RuleRow> YourRows();
