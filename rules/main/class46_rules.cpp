// Rules of the words judged by their neighbours, class 46.
#include "rules/main/class_bodies.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyClass46Rules(RuleContext&) { return Walk::Next; }
