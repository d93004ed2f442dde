// Rules of be and have, classes 24 and 25.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyBeHaveRules(RuleContext&) { return Walk::Next; }
