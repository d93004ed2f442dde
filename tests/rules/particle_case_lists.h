#pragma once
// Cases of a verb table of the particles: one previous word per case, in a
// fixed sentence, with the row it must reach.
#include <deque>
#include <string>
#include <vector>

#include "tests/rules/rule_cases.h"

struct VerbCase {
  const char* previous;  // "written/class"
  int row;
};

// "x/10 <previous> <particle> y/10" for each case, the particle the current
// word; the changes are not compared.
inline std::vector<RowCase> VerbCases(std::deque<std::string>& texts, const char* particle,
                                      std::initializer_list<VerbCase> list, const char* after = "y/10") {
  std::vector<RowCase> cases;
  const std::string at = std::string(particle).substr(0, std::string(particle).find('/'));
  texts.push_back(at);
  const char* name = texts.back().c_str();
  for (const VerbCase& v : list) {
    texts.push_back(std::string("x/10 ") + v.previous + " " + particle + " " + after);
    cases.push_back({texts.back().c_str(), name, v.row, nullptr});
  }
  return cases;
}
