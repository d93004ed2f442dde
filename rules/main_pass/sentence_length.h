#pragma once
// The length finding of a sentence: SENTENCE LENGTH on its first word when
// the sentence holds more than 21 weighted words.
#include "engine/word_rec.h"

// Gives `first` the length finding when its stored `sentenceLength` is over
// the limit. A first word written as a phrase ("as follows") is cut to its
// first word, which alone carries the finding. True when over the limit.
bool GiveSentenceLength(WordRec* first);

// The same judgement for the sentence after the end mark `mark`: counts it
// from its first word as the sentence-end rules count it and gives the
// finding when it is too long. A sentence within the limit leaves its first
// word as it was.
void JudgeLaterSentence(WordRec* mark);
