#pragma once
// The last pass before the findings are collected: settles every word to one
// final message code with its rule id, or to none.
#include "engine/word_rec.h"

// Walks from `head` to the sentinel (or the end of the list). Returns 0,
// also for a null head.
int FinishMessages(WordRec* head);
