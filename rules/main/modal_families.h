#pragma once
// The families of the modal and auxiliary verbs (class 28) that the class
// body hands a word to by its first letter, and their phrase tables. Every
// row of a table carries the finding it gives; a row that gives nothing
// and hands the walk on as it is only ends its table: the phrase is none of
// the table's, and the family's steps for an unmatched phrase follow.
#include <span>

#include "rules/common/rule_row.h"

Walk ApplyCanFamily(RuleContext& c);    // can, could, cannot
Walk ApplyDoFamily(RuleContext& c);     // do, does, did, doing
Walk ApplyMayFamily(RuleContext& c);    // may, might
Walk ApplyMustFamily(RuleContext& c);   // must
Walk ApplyShallFamily(RuleContext& c);  // shall, should
Walk ApplyWillFamily(RuleContext& c);   // will, want, would

std::span<const RuleRow> CanPhraseRows();
std::span<const RuleRow> DoPhraseRows();
std::span<const RuleRow> MayPhraseRows();
std::span<const RuleRow> MustPhraseRows();
// The phrases of "must" tried only for a word with a negative sentencePos.
std::span<const RuleRow> MustOffsetRows();
std::span<const RuleRow> ShallPhraseRows();
std::span<const RuleRow> WillPhraseRows();

// A row that gives no finding, writes nothing and hands the walk on as it is.
constexpr bool EndsTable(const RuleRow& r) {
  return r.code == Msg::None && r.ruleId == 0 && !r.suggestion && !r.then && r.covers == 1 &&
         r.outcome == Walk::Next;
}

// The index of the phrase row that holds, or -1 when none holds or the row
// that holds only ends the table.
int MatchPhrase(const RuleContext& c, std::span<const RuleRow> rows);

// Applies a phrase row. A row that covers words and passes two more (its
// outcome PassTwo) leaves the walk after the two words that follow the
// covered ones.
Walk ApplyPhrase(RuleContext& c, const RuleRow& row);
