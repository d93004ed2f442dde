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

bool HasCodes(const WordRec& w) { return w.message >= 1 || w.message2 >= 1 || w.subClass >= 1; }

bool HasFinding(const WordRec& w) { return w.message > 299 || w.message2 > 299 || w.subClass > 299; }

bool HeldByFinding(const WordRec* w) { return w && (HasCodes(*w) || CoveredByEarlierFinding(w)); }

bool CoveredByEarlierFinding(const WordRec* w) { return EarlierFindingOver(w) != nullptr; }

WordRec* EarlierFindingOver(const WordRec* w) {
  if (!w) return nullptr;
  // A finding covers at most four words: the three before `w` can reach it.
  WordRec* at = const_cast<WordRec*>(w);
  for (int k = 1; k <= 3 && at->sentencePos > 0; ++k) {
    at = Prev(at);
    if (!at) return nullptr;
    if (HasCodes(*at) && at->entryWords > k) return at;
  }
  return nullptr;
}
