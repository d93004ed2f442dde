#pragma once
// Settles what an ambiguous word is before the main rules run.
#include "engine/word_rec.h"

// Resolves a word whose class code begins with G (-ing word), J (noun or
// adjective), K (adjective or adverb), P (adjective or past participle),
// X (noun or verb), Y (adjective or verb) or Z (plural noun or -s verb) by
// its neighbours; any other word is left untouched. Called once per word in
// list order: the previous word is already resolved, the next not yet.
void ResolveWordClass(WordRec* word);

// 1 when a verb-like word follows `word` within its clause, else -1.
int FindVerbAhead(WordRec* word);
