// Rules of "no" and "never", class 77.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyNoNeverRules(RuleContext&) { return Walk::Next; }
