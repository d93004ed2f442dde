#pragma once
// The steps of the particles "down" and "out", which the class-61 body
// (particle_rules.cpp) hands them after its gates.
#include "rules/common/rule_context.h"

Walk ApplyDownRules(RuleContext& c);
Walk ApplyOutRules(RuleContext& c);
