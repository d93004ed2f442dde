#pragma once
// Case tables over word lists: each case is a list (as TestWords builds it)
// and the text a run over it answers, by default what the run changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/word_list_fixture.h"

struct ListCase {
  std::vector<WordSpec> words;
  std::string expected;
  bool sentinel = true;
};

// Compares a run's answer, naming the case when it differs.
inline void ExpectText(const std::string& actual, const std::string& expected, const std::string& what) {
  EXPECT_EQ(actual, expected) << what;
}

// Builds each case's list and compares what `run` answers for it.
template <class Run>
void RunListCases(const std::vector<ListCase>& cases, Run run) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    TestWords words(cases[i].words, cases[i].sentinel);
    const std::string written = words.Written();
    ExpectText(run(words), cases[i].expected, "case " + std::to_string(i) + ": " + written);
  }
}

// A run that applies `pass` to the list's head and answers what changed.
template <class Pass>
auto Changed(Pass pass) {
  return [pass](TestWords& words) {
    pass(words.head());
    return words.Changes();
  };
}
