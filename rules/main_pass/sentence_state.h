#pragma once
// What the rules have learnt about the sentence under check. One record for
// the whole module, shared by the main rules, the function-word rules and
// the rule functions of the engine; it lives as long as the module.
//
// The engine's rule functions do not include this: the rules pass them the
// fields they read.
#include <cstdint>

struct SentenceStateRec {
  std::int32_t subjectSeen = -1;       // -1 not yet; 0 or 1 met
  std::int32_t subjectNumber = 0;      // -1 none; 0 singular, 1 plural (2 in function-word rules)
  std::int32_t sentenceKind = 0;       // normalised class of the text's first word; 0 after a sentence end
  std::int32_t sentenceWordCount = 0;  // CountSentenceWords of the current sentence
  std::int32_t lastVerbClass = -1;     // 20, 21, 22 or 23; -1 none
  std::int32_t verbIsSForm = 0;        // 1 when the last class-20/21 word was an -s form
  std::int32_t skipAgreement = 0;      // 1: the agreement check reports no error
  std::int32_t clauseState = 0;        // clause counter and marker
  std::int32_t scratchIndex = 0;       // a rule's table index; 99 marks a hit
  std::int32_t scratchResult = 0;      // a rule's result kept between two tests

  // The values before the first check after loading.
  void Reset() { *this = SentenceStateRec{}; }
  // The start of a main-rule pass; verbIsSForm and the scratch values keep
  // what the previous check left. No verb stands before the text's first
  // sentence, as none before a later one: a check's findings do not depend
  // on the check before it.
  void ResetForPass() {
    skipAgreement = 0;
    clauseState = 0;
    subjectNumber = -1;
    subjectSeen = -1;
    lastVerbClass = -1;
  }
  // A sentence end; the next sentence's word count is recounted afterwards.
  void ResetAtSentenceEnd() {
    skipAgreement = 0;
    sentenceKind = 0;
    sentenceWordCount = 1;
    subjectNumber = -1;
    lastVerbClass = -1;
    subjectSeen = -1;
  }
};

inline SentenceStateRec SentenceState;
