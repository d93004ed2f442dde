// Rules of the modal and auxiliary verbs, class 28.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyModalRules(RuleContext&) { return Walk::Next; }
