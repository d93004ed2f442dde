// Rules of the negatives, class 29.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyNegationRules(RuleContext&) { return Walk::Next; }
