#include "engine/covered_words.h"

#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

WordRec* SkipCoveredWords(WordRec* word) {
  if (!word) return word;
  if (TextIs(NextOr(word), "<ref>")) {
    word->entryWords = 1;
    return word;
  }
  if (word->entryWords < 2 || word->entryWords > 4) return word;
  WordRec* last = word;
  for (int i = 1; i < word->entryWords; ++i) {
    WordRec* w = Next(last);
    if (AtEnd(w)) break;
    pass::ClearCodes(w);
    w->wordClass = 40;
    last = w;
  }
  return last;
}
