// Matching and applying the phrase rows of the modal families.
#include "engine/covered_words.h"
#include "rules/main/modal_families.h"

int MatchPhrase(const RuleContext& c, std::span<const RuleRow> rows) {
  const int i = FirstMatch(c, rows);
  if (i < 0 || EndsTable(rows[static_cast<std::size_t>(i)])) return -1;
  return i;
}

Walk ApplyPhrase(RuleContext& c, const RuleRow& row) {
  const Walk outcome = ApplyRow(c, row);
  if (outcome == Walk::PassTwo && row.covers > 1) {
    // The walk passes two words beyond the last covered one: the covered
    // words are taken off first, and the two words are counted from there.
    c.word = SkipCoveredWords(c.word);
  }
  return outcome;
}
