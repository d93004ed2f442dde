#pragma once
// The chains of the class-60 words "which" and "over", reached after the
// class head and only for a word inside its sentence. Their tables are
// reachable here for tests.
#include <span>

#include "rules/common/rule_row.h"

namespace preposition {

Walk WhichRules(RuleContext& c);
Walk OverRules(RuleContext& c);

extern const std::span<const RuleRow> kWhich;
extern const std::span<const RuleRow> kOver;

}  // namespace preposition
