// Rules of the verbs of classes 20 and 21.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyVerbRules(RuleContext&) { return Walk::Next; }
