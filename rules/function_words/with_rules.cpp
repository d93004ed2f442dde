// Rules of "with", class 74.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyWithRules(RuleContext&) { return Walk::Next; }
