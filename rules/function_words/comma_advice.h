#pragma once
// The advice to write a comma after a word, shared by the class bodies that
// ask for one.
#include "rules/common/rule_context.h"

// Writes "<word>," into the word's suggestion; a word that already ends in a
// comma is advised as itself, never as a doubled comma.
void WriteCommaAfter(RuleContext& c, WordRec& word);
