#pragma once
#include "engine/word_rec.h"

// The main rule pass of a check: resets the sentence state, judges the
// length of the first sentence (the sentence-end rules judge each later
// one), then walks the list from `head` to the
// sentinel and gives each word that carries no finding to the rules of its
// class (rules/main_pass/class_dispatch.h). Returns 1 in every case; a null
// head, or a head that is the end record, changes nothing.
int ApplyMainRules(WordRec* head);

// The start of the pass on a head that is a word: the sentence state's
// resets, the sentence kind and word count, the length finding of the
// first sentence, and the subject of a text that opens with a noun.
struct SentenceStateRec;
void StartMainPass(WordRec* head, SentenceStateRec& state);

// The repeated-word rule: a word written exactly like the next one ("and
// and") gets DELETE. True when it fired (the next word is then passed over).
bool CheckRepeatedWord(WordRec* w);
