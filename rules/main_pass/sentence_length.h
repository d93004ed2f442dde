#pragma once
// The length finding of a sentence: SENTENCE LENGTH on its first word when
// the sentence holds more than 21 weighted words.
#include "engine/word_rec.h"

// Gives the sentence that `first` opens the length finding when the stored
// `sentenceLength` of `first` is over the limit. It goes on `first`, or,
// where the sentence opens with placeholders for markup (an inline name,
// code, a reference; commas between them), on the first of the writer's
// words after them, which takes that length as its marker number: a marker
// needs words the document holds. That word holds the finding until
// GiveHeldSentenceLengths. A word written as a phrase ("as follows") is cut
// to its first word, which alone carries the finding. True when over the
// limit.
bool GiveSentenceLength(WordRec* first);

// The same judgement for the sentence after the end mark `mark`: counts it
// from its first word as the sentence-end rules count it and gives the
// finding when it is too long. A sentence within the limit leaves its first
// word as it was.
void JudgeLaterSentence(WordRec* mark);

// After the rule passes: every word that holds a length finding gets it. A
// finding of its own goes behind the length finding, its advice kept; a
// finding of several words that begins on it (or covers it) takes the
// length finding on its first word, whose marker keeps its words and
// advice.
void GiveHeldSentenceLengths(WordRec* head);
