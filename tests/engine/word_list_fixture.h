#pragma once
// Builds small word lists for engine tests through the tokenizer's own
// record constructor.
#include <initializer_list>
#include <string>

#include "engine/word_rec.h"

namespace testing_words {

// Replaces the word list with `words` (and the sentinel when asked).
inline WordRec* BuildList(std::initializer_list<const char*> words, bool sentinel = true) {
  WordList.Reset();
  int n = 0;
  for (const char* w : words) {
    std::string token(w);
    token.resize(84, '\0');
    AddWordRec(token.data(), 0, n++, 0, nullptr);
  }
  if (sentinel) {
    std::string end(kSentinel);
    end.resize(84, '\0');
    AddWordRec(end.data(), 0, n, 0, nullptr);
  }
  return WordList.head;
}

inline WordRec* At(int i) {
  WordRec* w = WordList.head;
  while (w && i-- > 0) w = w->next;
  return w;
}

inline int ListSize() {
  int n = 0;
  for (WordRec* w = WordList.head; w; w = w->next) ++n;
  return n;
}

// A lone record, for functions that never look at neighbours.
inline WordRec Word(const char* text) {
  WordRec w;
  w.text = text;
  w.written = text;
  w.length = static_cast<int>(w.text.length());
  w.lastLetter = w.text.last();
  return w;
}

}  // namespace testing_words
