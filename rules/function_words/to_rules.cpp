// Rules of "to", class 68.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyToRules(RuleContext&) { return Walk::Next; }
