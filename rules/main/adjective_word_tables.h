#pragma once
// The rows of the adjectives (class 30) inside their sentence, one table
// per word (or per stem: "high...", "light...", "low...", "open...",
// "full..."), in the order they are tried.
#include <span>
#include <string_view>

#include "rules/common/rule_row.h"

// The rows of the adjective `text`; empty for a word that has none. A word
// beginning with 'h' first goes through adjective_rows::HWord().
std::span<const RuleRow> AdjectiveWordRows(std::string_view text);

namespace adjective_rows {
// Words "both" to "hot".
std::span<const RuleRow> Both();
std::span<const RuleRow> Current();
std::span<const RuleRow> Cold();
std::span<const RuleRow> Close();
std::span<const RuleRow> Clear();
std::span<const RuleRow> Cool();
std::span<const RuleRow> Dry();
std::span<const RuleRow> Double();
std::span<const RuleRow> Enough();
std::span<const RuleRow> Even();
std::span<const RuleRow> Full();
std::span<const RuleRow> Flush();
std::span<const RuleRow> Fast();  // "fast" and "fewer"
std::span<const RuleRow> Free();
std::span<const RuleRow> Good();
std::span<const RuleRow> General();
std::span<const RuleRow> HWord();  // every word beginning with 'h', first
std::span<const RuleRow> Heavy();
std::span<const RuleRow> Hot();
std::span<const RuleRow> Hard();
std::span<const RuleRow> High();   // "high" and every word beginning with it
// Words "lower" to "together".
std::span<const RuleRow> Lower();
std::span<const RuleRow> Light();  // inside the sentence; the body handles the rest
std::span<const RuleRow> Large();
std::span<const RuleRow> Long();
std::span<const RuleRow> Little();  // after its first finding
std::span<const RuleRow> Last();
std::span<const RuleRow> Low();     // words beginning with "low" but "lower"
std::span<const RuleRow> MajorMinor();
std::span<const RuleRow> Next();
std::span<const RuleRow> Now();
std::span<const RuleRow> Only();
std::span<const RuleRow> Open();
std::span<const RuleRow> Old();
std::span<const RuleRow> Single();
std::span<const RuleRow> Soft();
std::span<const RuleRow> Square();
std::span<const RuleRow> Smooth();
std::span<const RuleRow> Small();
std::span<const RuleRow> Slow();
std::span<const RuleRow> Same();
std::span<const RuleRow> Short();
std::span<const RuleRow> Straight();
std::span<const RuleRow> Several();
std::span<const RuleRow> ThickThin();
std::span<const RuleRow> True();
std::span<const RuleRow> Together();
}  // namespace adjective_rows
