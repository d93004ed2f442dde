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
// A form StripInflection never answers (an ending cannot tell it from the
// past): the past participle, which advice takes after "be" or "have".
constexpr int kFormParticiple = 3;

// The form that `ending` (what follows the stem in the word's text) makes
// with inflection code `code`, or -1. Endings compare whole.
int StripInflection(const WordRec* word, char code, const char* ending);

// One alternative of a suggestion while it is inflected: the longest stored
// alternative (46 characters) grows by at most a few characters, and a whole
// suggestion's worth fits.
using Alternative = BoundedText<104>;

// The form that advice for `word` takes: by the verb class the lookup gave
// it (-s, past, -ing, base), else by its last letter ('s' the -s form, 'd'
// the past). After a form of "be" or "have" (a negation or adverbs between)
// a past, or a verb that reads as its base ("set"), is the participle; a
// past is the past only after a word that can be its subject.
int AdviceForm(const WordRec* word);

// Puts the first word of `alternative` into `form` (kForm...) by its code
// letter; a verb of the irregular list takes its own past, participle and
// -ing form. False, the alternative unchanged, where the code gives no such
// form. Code 'N' (a noun) gives none.
bool InflectAlternative(Alternative& alternative, char code, int form);

// Inflects `alternative` in place to the form of `word` (AdviceForm), sets
// the word's verbForm to '0', '1', '2' (past or participle) or '3',
// applies `caseFlag` ('1' initial capital, '2' all capitals) and copies the
// result into the word's suggestion. A noun alternative (code 'N') takes
// the plural where the word is a plural. 1, or -1 for a code that has no
// such form (the alternative is left unchanged).
int InflectByCode(Alternative& alternative, WordRec* word, char code, char caseFlag);
