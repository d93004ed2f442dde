#pragma once
// Measures over a stretch of the word list: the length of a sentence, the
// span of a passive construction, the length of a noun cluster.
#include "engine/word_rec.h"

// Counts the words from `word` to the end of its sentence. Stores the
// weighted count minus one, less a deduction for a bracketed number, in
// word->sentenceLength and returns the number of counted tokens plus one
// (the letters after a word's apostrophe are a token, of no weight).
// Mode 0 is the count at the start of a text, mode 1 at later sentence
// starts; any other mode returns -1 (sentenceLength left at 0).
int CountSentenceWords(WordRec* word, int mode);

// From a form of "be" or "have", the length of a passive construction:
// 3, 4 (any length above 3), 2 for two short patterns, or -1.
int MeasurePassiveSpan(WordRec* beForm, int sentenceWordCount);

// The number of words of a noun cluster starting at `word` when their
// summed weight is at least 4, else 0.
int MeasureNounCluster(WordRec* word);
