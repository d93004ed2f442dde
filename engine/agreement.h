#pragma once
// Subject-verb agreement of "is", "was", "has" and "are", "were", "have".
#include "engine/word_rec.h"

// 1 when the verb disagrees with the subject before it, 0 otherwise.
// `stopAt` is the first word the backward scans may look at.
int CheckAgreement(WordRec* verb, WordRec* stopAt);

// Scans backwards from the word before the verb for a signal of the
// subject's number: mode 1 singular, mode 2 plural, mode 3 plural up to a
// comma and then the singular scan. False when the scan reaches the first
// word of the sentence or `stopAt` without a signal.
bool ScanNounPhrase(WordRec* verb, WordRec* stopAt, int mode);
