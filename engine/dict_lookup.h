#pragma once
// Giving a word of the list its class: from the three dictionaries (TECHNICAL,
// CORE, SYNONYM, in that order), from its form for short tokens, numbers and
// punctuation, or NOT-IN-DICTIONARY.
#include <string_view>

#include "engine/dict_store.h"
#include "engine/lookup_state.h"
#include "engine/word_rec.h"

// Results of LookupWord and ScanDictRun.
constexpr int kLookupFound = 99;
constexpr int kLookupNotFound = -1;

// The checks' mode and the word finder's (and the compound check's).
constexpr int CheckMode = 2;
constexpr int FinderMode = 3;

// 99 when the word was classified (a dictionary hit or a class by its form),
// -1 when no dictionary holds it (message 325 then). A multi-word entry
// merges the following records into `word` and frees them: a caller walking
// the list reads word->next after the call.
int LookupWord(WordRec* word, int dictCount, int mode, int flags);

// Tries the `count` entries of one dictionary run on `word`; on a hit
// consults the SYNONYM run for a variant, merges a multi-word entry and
// records the slot in extraFlag. 99 or -1.
int ScanDictRun(const char* run, int mode, WordRec* word, int count, int flags,
                const DigramNode* node, int slot);

// Looks `word` up in the first `dictCount` dictionaries as a word standing
// alone, into `probe`: no list is read or changed. The result as LookupWord
// gives it (-1 for a word too short or too long to look up).
int LookUpAlone(std::string_view word, int dictCount, WordRec* probe);

// Whether the dictionaries take `word`, standing alone, as it is: found, and
// with no finding of its own (a synonym entry's word is flagged).
bool IsApprovedWord(std::string_view word);

// Whether the TECHNICAL dictionary holds `word` as a unit of measure (class
// 17). False while no dictionary is loaded. Reads no word list.
bool IsTechnicalUnit(std::string_view word);

// Classifies a short token, number or punctuation mark by its form.
void ClassifyByForm(WordRec* word);
