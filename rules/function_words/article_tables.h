#pragma once
// The ordered rule tables of the articles (class 64): "a", "an" and the
// longer articles. The body (article_rules.cpp) picks one by the word's
// length after its gates.
#include <span>

#include "rules/common/rule_row.h"

namespace article {

// "a" (length 1); the label test of a capital "A" comes first.
extern const std::span<const RuleRow> kA;
// "an" (length 2).
extern const std::span<const RuleRow> kAn;
// Three letters or more: "the".
extern const std::span<const RuleRow> kThe;

// Whether a capital "A" inside its sentence names an item (*appendix A*,
// *type A*) rather than being the article.
bool IsLabelA(const RuleContext& c);

}  // namespace article
