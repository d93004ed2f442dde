#pragma once
// Rows whose marker takes in the finite "be" before their words ("is able
// to", "is kept at"), as their advice replaces it too. Where a finding holds
// that "be" already (its own, or one that covers it: "It is" of "It is best
// to"), such a marker would lose one of the two findings; the row gives way
// to one on the words after the "be", whose advice is fitted to them.
#include "engine/word_rec.h"
#include "rules/common/rule_context.h"

// Whether a finding holds the word two before the current one: the "be"
// before the word before it. The "be"'s own finding over the word after it
// ("is going" of "is going to") does not count: the row's marker holds
// the same words and more, and takes its place.
bool BeHeld(const RuleContext& c);

// The advice the row wrote on `target`, the word after the "be", for the
// "be", `target` and the current word, fitted to the last two alone.
void FitAfterHeldBe(RuleContext& c, WordRec& target);
