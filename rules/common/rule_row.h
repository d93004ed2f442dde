#pragma once
// The one row type of every ordered rule list of both rule families. A row's
// columns follow the rule tables: the words (or stems) and classes the
// current word and its neighbours must have, a named predicate for what the
// columns cannot say, and then what the rule writes: whether the current
// word's own codes are cleared first, the advice, tag and flags, the words
// the finding covers, the word that gets the finding, its message code and
// rule id, and the outcome that hands the walk back.
//
// A column left empty always holds; a column on a neighbour that is missing
// never holds. Rows are tried from the top; the first whose columns all
// hold decides. A suggestion that depends on a letter of a word is two
// rows (the letter in a word or stem column, or in a predicate), never a
// conditional text.
#include <cstddef>
#include <optional>
#include <span>

#include "engine/message_codes.h"
#include "rules/common/rule_context.h"
#include "rules/common/walk.h"
#include "rules/common/words.h"

// A condition the columns cannot say; named for what it tests.
using RuleTest = bool (*)(const RuleContext&);
// A further write a row makes on the word that gets the finding, after the
// advice and before the message (a formatted suggestion, a class change).
using RuleAction = void (*)(RuleContext&, WordRec& target);

struct RuleRow {
  // Trigger and context.
  Words word{};  // the current word's text
  Words p2{};
  Classes p2Class{};
  Words p1{};
  Classes p1Class{};
  Words n1{};
  Classes n1Class{};
  Words n2{};
  Classes n2Class{};
  Words n3{};
  Classes n3Class{};
  RuleTest when = nullptr;
  // Actions, in this order.
  bool clear = false;                // the current word's subClass, message and message2 become 0
  const char* suggestion = nullptr;  // copied with the bound of 84
  const char* tag = nullptr;
  char verbForm = '\0';              // NUL: unchanged
  char separatorFlag = '\0';
  char extraFlag = '\0';
  RuleAction then = nullptr;
  int covers = 1;                    // entryWords of the word with the finding
  On on = On::Word;                  // the word that gets suggestion, covers and message
  MessageCode code = Msg::None;      // None: no message (a rule id alone is still stored)
  int ruleId = 0;
  Walk outcome = Walk::Next;
};

// The index of the first row that holds for the context, or -1.
int FirstMatch(const RuleContext& c, std::span<const RuleRow> rows);
// Whether one row holds.
bool RowHolds(const RuleContext& c, const RuleRow& row);

// Makes the row's writes and returns its outcome. The suggestion, tag,
// flags, covered words and message all go to the one word the row names;
// when that word is missing (or is the end record) nothing is written there.
Walk ApplyRow(RuleContext& c, const RuleRow& row);
// The same with the word that gets the finding given (the row's `on` unread).
Walk ApplyRowTo(RuleContext& c, const RuleRow& row, WordRec* target);

// The first row that holds, applied; no value when none holds.
std::optional<Walk> ApplyFirstMatch(RuleContext& c, std::span<const RuleRow> rows);
