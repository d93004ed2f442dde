// Rules of "be" and "being" inside a sentence.
#include "rules/main/be_have_parts.h"

// None yet: the walk goes on with the next word.
Walk ApplyBeRules(RuleContext&) { return Walk::Next; }
