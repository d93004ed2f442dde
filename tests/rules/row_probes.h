#pragma once
// Cases built from the rows of a word table: each row is reached by the
// first word (or stem) of its columns, so a table test shows that no
// earlier row takes a later row's words, without writing the table twice.
#include <span>
#include <string>
#include <vector>

#include "tests/rules/rule_cases.h"

struct ProbeText {
  // The text around the words, with "{p1}", "{n1}", "{n2}", "{n3}" where a
  // row's columns go; a column the row leaves empty takes its filler.
  const char* pattern;
  const char* at;
  const char* p1 = "x/40";
  const char* n1 = "x/40";
  const char* n2 = "x/40";
  const char* n3 = "x/40";
};

// Appends to `cases` one case for each row from `first` to `last` (both
// included). The texts live as long as the program.
void AddRowProbes(std::vector<RowCase>& cases, std::span<const RuleRow> rows, int first, int last,
                  const ProbeText& probe);
