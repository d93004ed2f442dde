#pragma once
// The rule bodies of the main rules, one per class Part, each in its own
// file of rules/main/. The dispatch table (rules/main_pass/class_dispatch.cpp)
// sends each class to one of them. A body tests its gates and rules in
// order and returns how the walk goes on; it may move `c.word`.
#include "rules/common/rule_context.h"

Walk ApplyNounRules(RuleContext& c);          // classes 10 to 19
Walk ApplyVerbRules(RuleContext& c);          // classes 20 and 21
Walk ApplyEdRules(RuleContext& c);            // class 22
Walk ApplyIngRules(RuleContext& c);           // class 23
Walk ApplyBeHaveRules(RuleContext& c);        // classes 24 and 25
Walk ApplyBeenRules(RuleContext& c);          // class 27
Walk ApplyModalRules(RuleContext& c);         // class 28
Walk ApplyNegationRules(RuleContext& c);      // class 29
Walk ApplyAdjectiveRules(RuleContext& c);     // classes 30, 31 and 32
Walk ApplyComparativeRules(RuleContext& c);   // classes 34, 35, 37, 38 and 39
Walk ApplyNeutralRules(RuleContext& c);       // class 40
Walk ApplyPunctuationRules(RuleContext& c);   // class 42
Walk ApplyLeftRightRules(RuleContext& c);     // class 43
Walk ApplyInchRules(RuleContext& c);          // class 44
Walk ApplyShortFormRules(RuleContext& c);     // class 45
Walk ApplyClass46Rules(RuleContext& c);       // class 46
Walk ApplyCommaRules(RuleContext& c);         // class 47
Walk ApplySentenceEndRules(RuleContext& c);   // class 48
Walk ApplyNumberRules(RuleContext& c);        // class 49
