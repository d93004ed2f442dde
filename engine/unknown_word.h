#pragma once
// Words that no dictionary holds: units, abbreviations, contractions, number
// words, names and dates are recognised by their form and neighbours and
// accepted or given a more precise message; the rest keep NOT-IN-DICTIONARY.
#include "engine/word_rec.h"

// Classifies `word`, which reaches it with subClass, message and message2 325.
// May also accept the words around it (names, dates). `listHead` is unused.
void CheckUnknownWord(WordRec* word, WordRec* listHead);
