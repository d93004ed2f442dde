#pragma once
// Settles a word that the dictionary flags as a wrong choice (mostly a noun
// that the approved vocabulary does not allow as a verb) by its use here.
#include "engine/word_rec.h"

// For a word with subClass 301 that is no known function word and whose
// suggestion has no noun mark "(n)": confirms 301, or makes the word a noun,
// a verb, an adjective or a neutral token. Changes only the word.
void CheckNounOrVerb(WordRec* word);
