// Rules of "about", "above", "around" and "then", class 73.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyAboutRules(RuleContext&) { return Walk::Next; }
