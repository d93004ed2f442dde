// Rules of "so", class 71: one ordered table, whose last row takes every
// "so" the others leave.
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/so_tables.h"

Walk ApplySoRules(RuleContext& c) { return ApplyFirstMatch(c, so_rules::kSo).value_or(Walk::Next); }
