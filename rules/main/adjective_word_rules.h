#pragma once
// The rules of the adjectives (class 30) inside their sentence, by the
// adjective's own word.
#include "rules/common/rule_context.h"

Walk ApplyAdjectiveWordRules(RuleContext& c);
