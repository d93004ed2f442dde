// Rules of the nouns, classes 10 to 19.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyNounRules(RuleContext&) { return Walk::Next; }
