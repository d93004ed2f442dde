// Rules of the prepositions and relative words, class 60.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyPrepositionRules(RuleContext&) { return Walk::Next; }
