// Rules of "as", class 54.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyAsRules(RuleContext&) { return Walk::Next; }
