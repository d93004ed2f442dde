#pragma once
// Inflection codes: one character that tells how a stem takes its -s, past
// and -ing forms ("0123456789ABCDEFGHIJKN"). StripInflection reads a form off
// an ending; InflectByCode builds the form of a suggested word that agrees
// with the word under check.
#include <cstddef>

#include "engine/word_rec.h"
#include "platform/bounded_text.h"

inline constexpr const char* kInflectionCodes = "0123456789ABCDEFGHIJKN";
bool IsInflectionCode(char c);

// Forms that StripInflection answers (-1: the ending is no form of the code).
constexpr int kFormBase = 0;
constexpr int kFormS = 1;
constexpr int kFormPast = 2;
constexpr int kFormIng = 4;

// The form that `ending` (what follows the stem in the word's text) makes
// with inflection code `code`, or -1. Endings compare whole.
int StripInflection(const WordRec* word, char code, const char* ending);

// One alternative of a suggestion while it is inflected: the longest stored
// alternative (46 characters) grows by at most a few characters, and a whole
// suggestion's worth fits.
using Alternative = BoundedText<104>;

// Inflects `alternative` in place to the form of `word` (its last letter:
// 's' the -s form, 'd' the past form, else unchanged), sets the word's
// verbForm to '1', '2' or '0', applies `caseFlag` ('1' initial capital, '2'
// all capitals) and copies the result into the word's suggestion. 1, or -1
// for a code that has no such form (the alternative is left unchanged).
int InflectByCode(Alternative& alternative, WordRec* word, char code, char caseFlag);
