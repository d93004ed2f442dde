#pragma once
// Builders of suggestions the rules share: missing articles, verb forms
// from -ing words, numbers with their units.
#include "engine/word_rec.h"

// Suggests "The " before the word when a noun follows it and the sentence
// goes on for at least five more words; message 311, rule 2010.
void SuggestArticleThe(WordRec* word);

// Suggests "the" before the next word (message 326, rule 2356 on it) and
// marks the word itself as joined to it (message 311, rule 2046).
void SuggestArticleForNext(WordRec* word);

// Builds the base form (form 0) or the -s form (form 1) of an -ing word in
// its suggestion, from the inflection code in pluralMarker. 1 when the word
// qualifies (a form above 1 changes nothing), -1 otherwise.
int MakeVerbFromIng(WordRec* word, int form);

// Splits a number written with its unit ("12mm") into "12 mm" in the
// suggestion: 1 when the unit is a known one, else -1.
int SplitNumberUnit(WordRec* word);
