// Rules of the demonstratives, class 76.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyDemonstrativeRules(RuleContext&) { return Walk::Next; }
