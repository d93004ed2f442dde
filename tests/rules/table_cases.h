#pragma once
// The cases of several row tables in one table: each case names the rows it
// runs on, so a family of small tables reads as one list.
#include <span>

#include "tests/rules/rule_cases.h"

struct TableCase {
  std::span<const RuleRow> rows;
  RowCase c;
};

inline void RunTableCases(std::span<const TableCase> cases) {
  for (const TableCase& k : cases) RunRowCases(k.rows, {&k.c, 1});
}
