#pragma once
// The parts of CheckUnknownWord, one file each; each answers true when it
// decided the word (the check then ends).
#include "engine/word_rec.h"

namespace unknown_word {

// Accept as neutral: codes cleared, class 40.
void AcceptNeutral(WordRec* w);
// Name mark: family 'D', class 39, codes cleared.
void NameMark(WordRec* w);
// Date mark: class 39, codes cleared, class code "DT***".
void DateMark(WordRec* w);

enum class ShortResult { Decided, StateCode, Undecided };
ShortResult TwoLetterRules(WordRec* w);
bool ThreeLetterRules(WordRec* w);
bool EndingRules(WordRec* w);
void FinalTests(WordRec* w);

// True when the word's written form is one of the title table ("Mr.", "Dr" ...).
bool IsTitle(const WordRec& w);

}  // namespace unknown_word
