// Rules of "am", "is", "are", "was" and "were" inside a sentence.
#include "rules/main/be_have_parts.h"

// None yet: the walk goes on with the next word.
Walk ApplyIsRules(RuleContext&) { return Walk::Next; }
