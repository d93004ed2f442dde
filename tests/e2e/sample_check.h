#pragma once
// `kesta check` with the tests' own dictionaries (tests/data/dictionaries) on paragraphs
// written in the test, and the tests of the markers in the result.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

// The marker a saved document holds round `text`.
std::string Marker(const std::string& value, const std::string& colour, const std::string& text);

// A marker of `category` (message code - 300, two digits) with `advice`
// ("NONE" for none) round `text`, of any marker number and colour.
bool Marked(const std::string& doc, const std::string& category, const std::string& advice, const std::string& text);
// No marker holds exactly `text`.
bool Unmarked(const std::string& doc, const std::string& text);

struct Expected {
  const char* category;  // message code - 300, two digits
  const char* advice;    // "NONE" for none
  const char* text;      // the words the marker covers
};

class SampleCheck : public ::testing::Test {
 protected:
  // `kesta` with the tests' custom folder, or `custom` when given.
  ProgramRun Kesta(const std::vector<std::string>& args, const std::string& custom = "");
  // One paragraph checked alone (with `custom`, when given); the
  // paragraph's content in the result.
  std::string CheckParagraph(const std::string& text, const std::string& custom = "");
  // Scores a copy of `bytes` (with `custom`, when given) with the answer
  // given, expecting no box and no lost search; the score's figures: the
  // words counted, the level stamped (none where the sigma report finds no
  // fault) and the counts the report shows.
  std::string ScoreFigures(const std::string& bytes, const char* answer, const std::string& custom = "");

  ProgramRun run_;  // the last check
  TempDir dir_;
};
