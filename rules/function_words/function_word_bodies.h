#pragma once
// The rule bodies of the function-word classes, one per class (or group of
// classes), each in its own file of rules/function_words/. The dispatch
// table (function_word_rules.cpp) sends each class to one of them. A body
// tests its class head, then its rules in order, and returns the outcome;
// it may move `c.word`.
#include "rules/common/rule_context.h"

Walk ApplyAdverbRules(RuleContext& c);          // classes 50 to 53
Walk ApplyAsRules(RuleContext& c);              // class 54
Walk ApplyPrepositionRules(RuleContext& c);     // class 60
Walk ApplyParticleRules(RuleContext& c);        // class 61
Walk ApplyButBecauseRules(RuleContext& c);      // class 62
Walk ApplyAndOrRules(RuleContext& c);           // class 63
Walk ApplyArticleRules(RuleContext& c);         // class 64
Walk ApplyForByRules(RuleContext& c);           // class 65
Walk ApplyPronounRules(RuleContext& c);         // class 66
Walk ApplyOfRules(RuleContext& c);              // class 67
Walk ApplyToRules(RuleContext& c);              // class 68
Walk ApplyRelativeRules(RuleContext& c);        // class 69
Walk ApplyTimeConjunctionRules(RuleContext& c); // class 70
Walk ApplySoRules(RuleContext& c);              // class 71
Walk ApplyAboutRules(RuleContext& c);           // class 73
Walk ApplyWithRules(RuleContext& c);            // class 74
Walk ApplyPlacePrepositionRules(RuleContext& c);// class 75
Walk ApplyDemonstrativeRules(RuleContext& c);   // class 76
Walk ApplyNoNeverRules(RuleContext& c);         // class 77
Walk ApplyFirstPersonRules(RuleContext& c);     // class 78
