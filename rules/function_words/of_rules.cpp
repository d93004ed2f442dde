// Rules of "of", "from", "their" and "some", class 67.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyOfRules(RuleContext&) { return Walk::Next; }
