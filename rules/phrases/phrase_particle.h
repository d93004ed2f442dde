#pragma once
// What the twin rules of "off" and "on" share: their first steps, and rows
// of vocabulary rules that judge the particle by the words around it.
#include "rules/phrases/phrase_common.h"

// The first steps of both: exclusions, plain prepositions, and the label
// words ("OFF switch", "on key"). True when they settled the word.
struct LabelWords {
  const char* words;        // N1 words that name a label
  const char* keepAsLabel;  // of them, those that also become class 40 after a capitals ON/OFF
  const char* suggestion;   // for a lower-case particle before a label word
};
bool ParticleFirstSteps(const PhraseWords& pw, const LabelWords& labels, bool isOn);

enum class On { W, P1, N1, N2 };

// One vocabulary rule: every test given must hold. Word lists are
// "a|b|stem*". The finding goes to `target`; a finding on P1 covers P1 and W.
struct ParticleRow {
  const char* p1 = nullptr;
  const char* p2 = nullptr;
  const char* n1 = nullptr;
  int n1Class = 0;
  const char* n2 = nullptr;
  int n2Class = 0;
  On target = On::W;
  int code = 0;
  int ruleId = 0;
  const char* suggestion = nullptr;
  int covers = 1;
  char verbForm = '\0';
  char separatorFlag = '\0';
};

// Tries the rows in order; true when one fired.
bool ApplyParticleRows(const PhraseWords& pw, const ParticleRow* rows, std::size_t count,
                       bool clearWordOnP1);
template <std::size_t N>
bool ApplyParticleRows(const PhraseWords& pw, const ParticleRow (&rows)[N], bool clearWordOnP1) {
  return ApplyParticleRows(pw, rows, N, clearWordOnP1);
}

// A finding on P1 that covers P1 and the particle; with `clearWord` the
// particle's own messages are cleared.
void GiveP1Finding(const PhraseWords& pw, int code, int ruleId, const Outcome& o, bool clearWord);

// Sentence-ending punctuation after the particle.
bool EndsSentence(const WordRec& w);
