#pragma once
#include "engine/word_rec.h"

// After a finding on `word` that covers entryWords words: the words it covers
// lose their messages and become class 40, and the result is the last of
// them (the rule pass goes on after it). A next word "<ref>" resets
// entryWords to 1. Any other count, or no covered word, gives `word`. The
// sentinel is never covered.
WordRec* SkipCoveredWords(WordRec* word);

// Whether `w` carries a message code of any kind.
bool HasCodes(const WordRec& w);

// Whether `w` carries a finding: a message code of 300 or above in any of
// its three fields. The rule passes leave such a word as it is.
bool HasFinding(const WordRec& w);

// Whether a finding holds `w` already: its own, or that of a word before it
// in its sentence whose finding covers it. A rule whose marker would take
// in such a word would lose one of the two findings.
bool HeldByFinding(const WordRec* w);

// Whether the finding of a word before `w` in its sentence covers `w`.
bool CoveredByEarlierFinding(const WordRec* w);

// The word before `w` in its sentence whose finding covers `w`, or null.
WordRec* EarlierFindingOver(const WordRec* w);
