// Rules of the place prepositions and "in", class 75.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyPlacePrepositionRules(RuleContext&) { return Walk::Next; }
