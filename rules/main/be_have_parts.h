#pragma once
// The rule groups that the entry of "be" and "have" (classes 24 and 25)
// hands a form to by its first letter, inside a sentence.
#include "rules/common/rule_context.h"

Walk ApplyBeRules(RuleContext& c);   // be, being
Walk ApplyHasRules(RuleContext& c);  // have, has, had, having
Walk ApplyIsRules(RuleContext& c);   // am, is, are, was, were
