// Rules of "have", "has", "had" and "having" inside a sentence.
#include "rules/main/be_have_parts.h"

// None yet: the walk goes on with the next word.
Walk ApplyHasRules(RuleContext&) { return Walk::Next; }
