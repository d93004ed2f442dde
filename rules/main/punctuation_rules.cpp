// Rules of the small classes 42, 44, 45, 47 and 48.
#include "rules/main/class_bodies.h"

Walk ApplyPunctuationRules(RuleContext&) { return Walk::Next; }
Walk ApplyInchRules(RuleContext&) { return Walk::Next; }
Walk ApplyShortFormRules(RuleContext&) { return Walk::Next; }
Walk ApplyCommaRules(RuleContext&) { return Walk::Next; }
Walk ApplySentenceEndRules(RuleContext&) { return Walk::Next; }
