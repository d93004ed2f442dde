// Rules of "for" and "by", class 65.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyForByRules(RuleContext&) { return Walk::Next; }
