#pragma once
// Small tests the rules make on a word: its lower-cased text against
// literals (exact or as a stem over the literal's length), its class against
// a set, its flags. They take records by reference so that NextOr/PrevOr
// (engine/neighbours.h) can stand in for a missing neighbour.
#include <initializer_list>
#include <string_view>

#include "engine/word_rec.h"

inline bool TextIs(const WordRec& w, std::string_view s) { return w.text == s; }

// A text that equals one of `list`.
inline bool OneOf(std::string_view text, std::initializer_list<std::string_view> list) {
  for (std::string_view s : list)
    if (text == s) return true;
  return false;
}

inline bool TextIsOneOf(const WordRec& w, std::initializer_list<std::string_view> list) {
  return OneOf(w.text.view(), list);
}

// A stem: the text begins with the literal ("sign" matches "signal").
inline bool TextStarts(const WordRec& w, std::string_view stem) { return w.text.startsWith(stem); }

inline bool TextStartsOneOf(const WordRec& w, std::initializer_list<std::string_view> stems) {
  for (std::string_view s : stems)
    if (w.text.startsWith(s)) return true;
  return false;
}

// The first character of the text (NUL for an empty text).
inline bool FirstIs(const WordRec& w, char c) { return w.text.first() == c; }

// A number (mostly a word class) that is one of `set`.
inline bool In(int value, std::initializer_list<int> set) {
  for (int v : set)
    if (value == v) return true;
  return false;
}

inline bool ClassIsOneOf(const WordRec& w, std::initializer_list<int> classes) {
  for (int c : classes)
    if (w.wordClass == c) return true;
  return false;
}

inline bool CodeStarts(const WordRec& w, char c) { return w.classCode.first() == c; }

inline bool IsCaps(const WordRec& w) { return w.caseFlag == '2'; }
inline bool IsMarked(const WordRec& w) { return w.markFlag == '1'; }

