#pragma once
// The ordered rule tables of "in" inside a sentence (class 75). The body
// (in_rules.cpp) runs them between its steps.
#include <span>

#include "rules/common/rule_row.h"

namespace in_rules {

// Gates: they end the call, one with a hyphenation finding.
extern const std::span<const RuleRow> kHead;
// A word before "in" the vocabulary replaces (step before the phrases).
extern const std::span<const RuleRow> kWordBefore;
// "in" before a word that followed the article "the".
extern const std::span<const RuleRow> kAfterArticle;
// Phrases after "in".
extern const std::span<const RuleRow> kPhrases;
// "in between": the finding goes on "between".
extern const std::span<const RuleRow> kBetween;
// Words after "in" (from the third word of the sentence on).
extern const std::span<const RuleRow> kNextWord;
// A verb or adjective before "in" (from the third word of the sentence on).
extern const std::span<const RuleRow> kVerbBefore;
// The last checks on the next word.
extern const std::span<const RuleRow> kTail;

}  // namespace in_rules
