#pragma once
// Case tables for the rules: a short text in, the word the rule runs on,
// and what is expected out (the row that holds, the fields that changed,
// the word the walk resumes at). Each table runs in one loop.
//
// A text is written as blank-separated words "written/class", with flags of
// the word-list fixture in braces and the class code as "code=...":
//   "Close/20 the/64 valve/10{mark=1} and/63 and/63 ./48"
// A word without "/class" is of class 40; '_' in a written form stands for a
// blank ("as_follows/50"). Positions in the sentence count
// from 0 and start again after each word of class 48; the sentinel ends the
// list. The word a case runs on is named by its written form, "and#2" for
// the second "and".
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "rules/common/rule_row.h"
#include "tests/support/word_list_fixture.h"

// The word list of a text, in the module's list.
std::unique_ptr<TestWords> BuildWords(const char* text);
// The word named "written" or "written#n" in the list.
WordRec* FindWord(const TestWords& words, const char* name);

// Sets fields of the sentence state before a case runs.
using StateSetup = void (*)(SentenceStateRec&);

struct RowCase {
  const char* text;
  const char* at;       // the current word
  int row;              // index of the row that holds, -1 none
  const char* changes;  // TestWords::Changes() after the row is applied; null: not checked
  StateSetup setup = nullptr;
  unsigned char steDictionary = 0;  // the context's
};

// Runs every case over `rows` with a fresh sentence state. A table needs
// only the cases that catch a wrong order, a wrong field or a wrong resume
// word, not one per row.
void RunRowCases(std::span<const RuleRow> rows, std::span<const RowCase> cases);
inline void RunRowCases(std::span<const RuleRow> rows, std::initializer_list<RowCase> cases) {
  RunRowCases(rows, std::span<const RowCase>(cases.begin(), cases.size()));
}

struct BodyCase {
  const char* text;
  const char* at;
  const char* changes;          // TestWords::Changes() after the body and the walk step
  const char* resume = nullptr;  // the resume word's "written[#n]"; null: not checked
  StateSetup setup = nullptr;
  const char* state = nullptr;   // StateChanges() of the sentence state; null: not checked
  unsigned char steDictionary = 0;
};

// The fields of the sentence state that differ, as "field=value" items.
std::string StateChanges(const SentenceStateRec& before, const SentenceStateRec& after);

// The changes a finding writes on `word`, as the fixture prints them:
// suggestion (none when null), message, covered words when more than one,
// rule id.
inline std::string Finding(const char* word, const char* suggestion, int code, int covers, int rule) {
  std::string s = std::string(word) + ":";
  if (suggestion) s += std::string(" suggestion=\"") + suggestion + "\"";
  s += " message=" + std::to_string(code);
  if (covers > 1) s += " entryWords=" + std::to_string(covers);
  return s + " ruleId=" + std::to_string(rule);
}

// Finding() as text that lives as long as the program, for case tables.
const char* KeptFinding(const char* word, const char* suggestion, int code, int covers, int rule);

// Runs a class body on each case (with a fresh sentence state, then
// `setup`), applies its outcome as the walk does, and compares.
using RuleBody = Walk (*)(RuleContext&);
void RunBodyCases(RuleBody body, std::span<const BodyCase> cases);
inline void RunBodyCases(RuleBody body, std::initializer_list<BodyCase> cases) {
  RunBodyCases(body, std::span<const BodyCase>(cases.begin(), cases.size()));
}
