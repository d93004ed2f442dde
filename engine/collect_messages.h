#pragma once
// Turns every flagged word of the list into one finding record of
// MessageList, joining the words of a finding that covers several words.
#include "engine/word_rec.h"

// Walks from `head` to the sentinel, appending to MessageList (which the
// caller empties first). Returns the number of records appended; 0 for a
// null head. Changes the records it walks (texts, codes of covered words).
int CollectMessages(WordRec* head);

// Writes the plain form of a contraction ("won?t" -> "will not") into the
// word's suggestion; other words keep theirs.
void ExpandContraction(WordRec* word);
