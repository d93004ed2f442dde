#pragma once
// The rules that the dictionary attaches to single words through their
// subclass, applied after the main rules: nouns used as verbs, names and
// labels in capitals, "of"/"for" after words such as "type" and "height",
// and a few fixed patterns.
#include "engine/word_rec.h"

// Walks from `head` to the sentinel (or the end of the list). Returns 0,
// also for a null head.
int ApplySecondRules(WordRec* head);

// Writes the approved verb or phrase for a noun used as a verb ("check" ->
// "make a check") into the word's suggestion and makes it a verb; a word
// that is none of the listed nouns is left unchanged.
void SuggestApprovedVerb(WordRec* word);
