#pragma once
// What the phrase rules share: the context of the trigger word, and the one
// way a finding is written (a rule row, rules/common/rule_row.h).
#include <span>

#include "rules/common/rule_row.h"

// The context of a phrase rule on `trigger`: P1 and P2 are read only inside
// the trigger's sentence.
RuleContext PhraseContext(WordRec* trigger, SentenceStateRec& state);

// Applies a row and the effect of its outcome; a finding on the trigger
// that covers several words covers its followers (Walk::SkipCovered).
void GiveRow(RuleContext& c, const RuleRow& row);
// The first row that holds, given; false when none holds.
bool GiveFirstRow(RuleContext& c, std::span<const RuleRow> rows);

// How a finding written by code is written, besides its message and rule id.
struct Outcome {
  int covers = 1;                     // entryWords of the word with the finding
  const char* suggestion = nullptr;   // null: none written
  char verbForm = '\0';               // NUL: unchanged
  char separatorFlag = '\0';
  char extraFlag = '\0';
  const char* tag = nullptr;
};

// A finding on `target` (a missing word or the end record gets nothing),
// written as a row: entryWords, suggestion, tag and flags, then the
// message; a finding on the trigger that covers several words covers its
// followers.
void GiveFinding(RuleContext& c, WordRec* target, int code, int ruleId, const Outcome& o = {});
