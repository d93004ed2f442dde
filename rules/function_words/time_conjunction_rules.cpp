// Rules of the time conjunctions, class 70.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyTimeConjunctionRules(RuleContext&) { return Walk::Next; }
