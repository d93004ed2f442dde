#pragma once
// The length finding of a sentence: SENTENCE LENGTH on its first word when
// the sentence holds more than 21 weighted words.
#include "engine/word_rec.h"

// Before the rules: every sentence of the list from `head` whose weighted
// length is over the limit gets its length finding held on the first of
// the writer's words in it (placeholders for markup, signs, options,
// numbers and words that hold a digit or a sign are passed over, with the
// commas and "and"/"or" that join them into a list). The first sentence
// is measured by the pass's start (`head`'s `sentenceLength`), each later
// one from the mark that ends the sentence before it, as the sentence-end
// rules count it. The word only holds the finding, so that the rules judge
// it as they judge it inside a sentence.
void HoldSentenceLengths(WordRec* head);

// After the rule passes: every word that holds a length finding gets it. A
// finding of its own, or one of several words that covers it, keeps its
// marker, words and advice, which show the length finding; where that
// marker is one the length finding cannot hold (a number's, one on a
// piece of a word), the next word that can carry it does. A word without
// a finding holds it whole ("plug-in", "They'll").
void GiveHeldSentenceLengths(WordRec* head);
