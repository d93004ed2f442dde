#pragma once
// Subject-verb agreement of "is", "was", "has" and "are", "were", "have".
#include "engine/word_rec.h"

// What the rules have learnt of the sentence that excuses "are", "were" and
// "have": the sentence state's fields of the same names.
struct AgreementState {
  int subjectNumber = -1;  // 1: a plural subject
  int skipAgreement = 0;   // 1: report no error
};

// 1 when the verb disagrees with the subject before it, 0 otherwise.
// `stopAt` is the first word the backward scans may look at.
int CheckAgreement(WordRec* verb, WordRec* stopAt, AgreementState state);

// Scans backwards from the word before the verb for a signal of the
// subject's number: mode 1 singular, mode 2 plural, mode 3 plural up to a
// comma and then the singular scan. False when the scan reaches the first
// word of the sentence or `stopAt` without a signal.
bool ScanNounPhrase(WordRec* verb, WordRec* stopAt, int mode);
