#pragma once
// Word-class codes: from the numeric code a dictionary entry gives a word to
// its class number (10..80), subclass, message and six-character ClassCode,
// and the suggestion put into the word's form and case.
#include "engine/word_rec.h"

// Decodes the entry code left in `word->classCode` (forms "CC", "CCSS",
// "3MMCC"; a code that begins with a letter is kept) into wordClass,
// subClass, message, verbForm and the ClassCode of the class table, then
// inflects and capitalises the suggestion.
void DecodeWordClass(WordRec* word);

// Inflects the coded alternatives of the suggestion ("Aremove/Bdisconnect")
// to the form of the word; at most six alternatives are kept.
void ExpandSuggestion(WordRec* word);

// Gives the suggestion the capitalisation of the written word.
void MatchSuggestionCase(WordRec* word);
