#pragma once
// The ordered rows of "left" and "right" inside a sentence: the neutral
// uses, the side phrases, "right" in the sense of "correct" and the other
// uses of "right", and the uses of "left" as a verb form.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> SideNeutralRows();    // the word becomes neutral
std::span<const RuleRow> SidePhraseRows();     // "rear", "hand side"
std::span<const RuleRow> InsideSideRows();     // inside the sentence, before the two words part
std::span<const RuleRow> RightCorrectRows();   // "right" meaning "correct"
std::span<const RuleRow> RightRows();          // the other uses of "right"
std::span<const RuleRow> LeftRows();           // "left" as a verb form

// Whether the row of RightRows() at `index` goes on one word past the words
// it covers.
bool RightRowPassesOneMore(int index);
