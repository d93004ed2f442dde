#pragma once
// What a rule sees: the current word, the head of the list, the sentence
// state and the settings it reads, and null-safe access to the neighbours.
// A rule may move `word` forward (to the next word, or to the word that
// SkipCoveredWords returned) and go on testing there; the outcome it
// returns then applies to the word as the rule leaves it.
#include "engine/neighbours.h"
#include "engine/word_rec.h"
#include "rules/common/walk.h"
#include "rules/main_pass/sentence_state.h"

// The word a finding is given to, or a neighbour a rule reads.
enum class On : std::uint8_t { Word, P1, P2, N1, N2, N3 };

struct RuleContext {
  WordRec* word;                  // the current word
  WordRec* head;                  // first record: the stop of backward scans
  SentenceStateRec& state;        // the sentence state of the running pass
  unsigned char steDictionary = 0;  // the setting of the same name
  // The phrase rules read P1 and P2 only inside the word's sentence.
  bool prevInSentence = false;

  // The k-th word after (before) the current one; null when missing.
  WordRec* N(int k = 1) const;
  WordRec* P(int k = 1) const;
  WordRec* At(On which) const;
  // The same, or a stand-in that fails every test when missing.
  const WordRec& n1() const { return Or(N(1)); }
  const WordRec& n2() const { return Or(N(2)); }
  const WordRec& n3() const { return Or(N(3)); }
  const WordRec& p1() const { return Or(P(1)); }
  const WordRec& p2() const { return Or(P(2)); }
  // The current word opens its sentence.
  bool First() const { return word->sentencePos <= 0; }

  static const WordRec& Or(const WordRec* w) { return w ? *w : NoWord(); }
};

// The record after `w`, but never beyond the end record.
WordRec* StepOn(WordRec* w);

// Applies the effect of `outcome` to the context's current word and its
// neighbours and returns the word after which the walk goes on.
WordRec* ResumeWord(RuleContext& c, Walk outcome);
