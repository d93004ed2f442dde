#pragma once
#include "engine/word_rec.h"

// The main rule pass of a check: resets the sentence state, judges the
// length of the first sentence, then walks the list from `head` to the
// sentinel and gives each word that carries no finding to the rules of its
// class. Returns 1 in every case.
int ApplyMainRules(WordRec* head);
