#pragma once
// Phrase rules for the short words "if", "in", "off", "on" and "no": each
// judges the word by the words around it and marks the phrases the writing
// standard does not allow. The first rule that matches decides.
#include "engine/word_rec.h"
#include "rules/main_pass/sentence_state.h"

void CheckIfPhrase(WordRec* word);
// 1 when a rule fired, 0 when the phrase is accepted or matched nothing.
int CheckInPhrase(WordRec* word);
// "off" and "on" read the sentence word count and may set the subject number.
void CheckOffPhrase(WordRec* word, SentenceStateRec& state);
void CheckOnPhrase(WordRec* word, SentenceStateRec& state);
void CheckNegativePhrase(WordRec* word);
