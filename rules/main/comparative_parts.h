#pragma once
// The parts of the rules of classes 34 to 39: the comparatives and
// superlatives, the quantifiers, determiners and names, and the ordered
// rows the tests reach directly.
#include <span>

#include "rules/common/rule_row.h"

Walk ApplyComparativeClassRules(RuleContext& c);  // class 34
Walk ApplySuperlativeRules(RuleContext& c);       // class 35
Walk ApplyQuantifierRules(RuleContext& c);        // class 37
Walk ApplyDeterminerRules(RuleContext& c);        // class 38
Walk ApplyNameRules(RuleContext& c);              // class 39

// Class 37: the rows before the plural search and the rows after it.
std::span<const RuleRow> QuantifierGateRows();
std::span<const RuleRow> QuantifierRows();
// Class 38: a determiner that opens its sentence.
std::span<const RuleRow> OpeningDeterminerRows();

// Class 37: from the word after `w`, counts the words up to a plural noun
// (99), a word that ends a noun phrase or a count above 5, within the
// sentence.
int SearchPluralNoun(const WordRec* w);
