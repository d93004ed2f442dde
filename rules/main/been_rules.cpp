// Rules of "been", class 27.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyBeenRules(RuleContext&) { return Walk::Next; }
