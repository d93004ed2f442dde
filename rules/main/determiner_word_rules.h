#pragma once
// The rules of the determiners (class 38) inside their sentence, by the
// determiner's own word.
#include "rules/common/rule_context.h"

Walk ApplyDeterminerWordRules(RuleContext& c);
