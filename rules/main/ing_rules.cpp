// Rules of the verbs in -ing and gerunds, class 23.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyIngRules(RuleContext&) { return Walk::Next; }
