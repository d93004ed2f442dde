// Rules of the adjectives, classes 30, 31 and 32.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyAdjectiveRules(RuleContext&) { return Walk::Next; }
