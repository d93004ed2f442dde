#pragma once
// What the phrase rules share: the words around the trigger word and the
// one way a rule writes its finding.
#include <string_view>

#include "engine/neighbours.h"
#include "engine/word_rec.h"

// The trigger word W with N1..N3 after it and P1, P2 before it. A word after
// the sentinel is missing, and P1 (P2) is missing unless it lies in W's
// sentence. The references read NoWord() for a missing word.
struct PhraseWords {
  explicit PhraseWords(WordRec* trigger);

  WordRec* w;
  WordRec* n1p;
  WordRec* n2p;
  WordRec* n3p;
  WordRec* p1p;
  WordRec* p2p;
  const WordRec& n1;
  const WordRec& n2;
  const WordRec& n3;
  const WordRec& p1;
  const WordRec& p2;
};

// How a finding is written, besides its message and rule id.
struct Outcome {
  int covers = 1;                     // entryWords of the word with the finding
  const char* suggestion = nullptr;   // null: none written
  char verbForm = '\0';               // NUL: unchanged
  char separatorFlag = '\0';
  char extraFlag = '\0';
  const char* tag = nullptr;
};

// Writes a finding on `target`, in this order: entryWords, suggestion, flags,
// the message with its rule id; when the target is W itself and the
// finding covers several words, the covered followers lose their messages.
void GiveFinding(const PhraseWords& pw, WordRec* target, int code, int ruleId, const Outcome& o = {});

// A word list "a|b|stem*": exact words, or stems where a '*' ends them.
bool TextMatches(const WordRec& w, std::string_view list);
