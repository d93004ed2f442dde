// Rules of the personal pronouns, class 66.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyPronounRules(RuleContext&) { return Walk::Next; }
