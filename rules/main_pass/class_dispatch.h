#pragma once
// The dispatch of the main rule pass by word class: the one table that
// sends each class to its rule body or to the function-word rules.
#include "rules/common/rule_context.h"

// Runs the rules of the current word's class and returns how the walk goes
// on (a class of the function-word rules moves `c.word` to their resume
// word and answers Walk::Next).
Walk DispatchMainClass(RuleContext& c);

// The main body of a class, for tests: null for the classes without rules
// and for those that go to the function-word rules.
using MainClassBody = Walk (*)(RuleContext&);
MainClassBody MainClassBodyFor(int wordClass);
// Whether a class goes to the function-word rules: below 10, 33, 50 and above.
bool GoesToFunctionWordRules(int wordClass);
