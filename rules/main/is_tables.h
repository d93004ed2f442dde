#pragma once
// The ordered rules of "am", "is", "are", "was" and "were" inside a
// sentence: the phrases tried before the passive measure, those after it
// (with the guards that end the word), and the phrases chosen by the first
// letter of the next word.
#include <span>

#include "rules/common/rule_row.h"

std::span<const RuleRow> IsBeforePassiveRows();
std::span<const RuleRow> IsAfterPassiveRows();
// The rows of the next word's first letter; empty for a letter without any.
std::span<const RuleRow> IsLetterRows(char first);

// "are", "were" and "am" take the advice of a plural subject.
bool IsPluralForm(const WordRec& w);
