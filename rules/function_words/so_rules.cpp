// Rules of "so", class 71.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplySoRules(RuleContext&) { return Walk::Next; }
