#pragma once
// What the twin rules of "off" and "on" share: their first steps, and the
// finding on the word before the particle.
#include "rules/phrases/phrase_common.h"

// The label words after the particle ("OFF switch", "on key").
struct ParticleLabels {
  Words words;        // N1 words that name a label
  Words keepAsLabel;  // of them, those that also become class 40 after a capitals ON/OFF
  const char* suggestion;  // for a lower-case particle before a label word
};

// The first steps of both: exclusions, plain prepositions, and the label
// words. True when they settled the word.
bool ParticleFirstSteps(RuleContext& c, const ParticleLabels& labels, bool isOn);

// A finding on P1 that covers P1 and the particle; with `clearWord` the
// particle's own messages are cleared.
void GiveP1Finding(RuleContext& c, int code, int ruleId, const Outcome& o, bool clearWord);

// Sentence-ending punctuation after the particle.
bool EndsSentence(const WordRec& w);
