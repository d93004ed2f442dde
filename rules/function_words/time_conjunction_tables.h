#pragma once
// The ordered rule tables of the time conjunctions (class 70). The body
// (time_conjunction_rules.cpp) chooses a table by the word's place in the
// sentence and by the word; the steps that call the phrase rules of "on"
// and build a verb from an -ing word stay in the body.
#include <span>

#include "rules/common/rule_row.h"

namespace time_conjunction {

// The clause ends at once after the word; each row gives the tag "<*->".
extern const std::span<const RuleRow> kClauseEnd;
// The word opens its sentence; the last row takes any other next word.
extern const std::span<const RuleRow> kFirstWord;
// "if", "when" and "before" inside a sentence; the last row holds always.
extern const std::span<const RuleRow> kIfWhenBefore;
// Any other class-70 word inside a sentence, before the rules of its letter.
extern const std::span<const RuleRow> kOtherWord;
// By the word's first letter: "during", "while" and its kin, "after" and
// "before" words.
extern const std::span<const RuleRow> kLetterD;
extern const std::span<const RuleRow> kLetterW;
extern const std::span<const RuleRow> kLetterAB;

}  // namespace time_conjunction
