#pragma once
// Built-in word lists with which words outside the dictionaries are
// recognised as dates, names of persons, organisations and places, and
// labels of user-interface controls.
#include "engine/word_rec.h"

// 1 when `s` (a word's lower-case text) names a month or a weekday, else -1.
// The first character picks the candidates, so "JUNE" misses.
int IsMonthOrDayName(const char* s);

// 1 when `s` (a word as written) marks the name of a person, organisation or
// place (titles, kinds of organisation, street words, reporting verbs), else
// -1. Keys are compared case-sensitively, some as prefixes.
int IsNameContextWord(const char* s);

// 1 when `s` is a US state: mode 1 a two-character code, mode 2 a name (or a
// compass word that begins one), else -1. `s` must begin with a capital.
int IsStateName(const char* s, int mode);

// 1 when the word after `word` is a control word ("button", "switch" ...),
// else 0 (also when there is no next word).
int NextIsControlWord(const WordRec* word);
