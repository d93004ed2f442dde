// Rules of comparatives, superlatives, quantifiers and names, classes 34 to 39.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyComparativeRules(RuleContext&) { return Walk::Next; }
