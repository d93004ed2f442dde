// Rules of "but", "because" and "so", class 62.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyButBecauseRules(RuleContext&) { return Walk::Next; }
