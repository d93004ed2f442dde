// Rules of "which", "that" and "who", class 69.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyRelativeRules(RuleContext&) { return Walk::Next; }
