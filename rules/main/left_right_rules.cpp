// Rules of "left" and "right", class 43.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyLeftRightRules(RuleContext&) { return Walk::Next; }
