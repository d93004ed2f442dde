// Rules of the articles, class 64.
#include "rules/function_words/function_word_bodies.h"

// Not built yet: the call ends without a finding.
Walk ApplyArticleRules(RuleContext&) { return Walk::Next; }
