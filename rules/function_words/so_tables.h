#pragma once
// The ordered rule table of "so" (class 71): the body (so_rules.cpp) tries
// it from the top; the first row that holds ends the call.
#include <span>

#include "rules/common/rule_row.h"

namespace so_rules {

extern const std::span<const RuleRow> kSo;

}  // namespace so_rules
