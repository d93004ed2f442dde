// Rules of "and" and "or", class 63.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyAndOrRules(RuleContext&) { return Walk::Next; }
