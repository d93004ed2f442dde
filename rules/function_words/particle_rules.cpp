// Rules of the particles, class 61.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyParticleRules(RuleContext&) { return Walk::Next; }
