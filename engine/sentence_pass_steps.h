#pragma once
// The parts of the sentence pass that settle dictionary codes.
#include "engine/word_rec.h"

namespace sentence_pass {

// Codes 300 and 322: modal words, and nouns used as verbs. Answers the
// number of following records the walk passes over (0 or 1).
int VerbsAndNounsAsVerbs(WordRec* w);
// Code 301: wrong choices that context shows to be nouns or function words.
void WrongChoice(WordRec* w);
// Writes character i of the word's class code, padding a shorter code with '*'.
void SetCodeChar(WordRec* w, int i, char c);

}  // namespace sentence_pass
