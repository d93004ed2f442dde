#pragma once
// Words that no dictionary holds and that are written with a hyphen or a
// slash: approved hyphenated words, prefixes, spelled compound numbers,
// split compounds and slashes.
#include "engine/word_rec.h"

// Results of CheckCompoundWord.
inline constexpr int kCompoundNone = -1;       // no hyphen and no slash
inline constexpr int kCompoundHandled = 1;     // handled, or left as it is
inline constexpr int kCompoundLeftAlone = 4;   // too short, or an excluded slash word
inline constexpr int kCompoundAdjective = 6;   // the second part makes an adjective

// Judges a word that the lookup did not find and whose written form holds
// '/' or '-'. A compound whose first part is a dictionary word is split: the
// record keeps the first part and a new record for the second part follows
// it, to be looked up like any other word. `head` is not used.
int CheckCompoundWord(WordRec* word, WordRec* head);

// Writes the two digits of a spelled number ("twenty" + "one") into the
// suggestion; returns 1.
int WriteCompoundNumber(WordRec* word, int tensIndex, int unitIndex);

// Links a new record for a split-off part after `after`; 0, or -1 when no
// record could be made (nothing linked).
int InsertWordAfter(const char* text, const char* written, char separator, WordRec* after);
