// Rules of neutral tokens and units, class 40.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyNeutralRules(RuleContext&) { return Walk::Next; }
