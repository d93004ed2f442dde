#pragma once
// Finds, in the C++ sources of the rules and the engine, the texts the code
// gives a word as its advice, so that a test can look up every word they
// name. The rows are data, but many are written by helpers, macros and
// small tables; the scan follows the text to where it is written.
//
// A string literal counts as advice when it reaches a word's advice along
// one of these paths:
//   - the value of a `suggestion` or `advice` member (a row's column
//     `.suggestion = "..."`, `w->suggestion = "..."`);
//   - the text given to WriteSuggestion, the format given to
//     FormatSuggestion, and the format FormatShortText or FormatBounded
//     write into a `suggestion` or `advice` member, or the `format` and
//     `assign` of such a member;
//   - through a name used there: a parameter (every call of the function or
//     macro gives the text in that place: row builders, Correction(...)), a
//     variable or constant (every text assigned or formatted into it, and
//     each appended one that begins a word: " the", "/if/when"), a function (every text it returns), or a member of a
//     plain table (the text in that place of each row: {"display", "show"});
//   - of a conditional `a ? "x" : "y"`, both texts, never the condition.
// Texts built from the checked word alone (its written form, its letters)
// and the advice that dictionary entries carry are out of its reach.
#include <string>
#include <utility>
#include <vector>

struct AdviceText {
  std::string place;  // "rules/main/x.cpp:12"
  std::string text;
};

struct SourceFile {
  std::string name;  // as the place gives it
  std::string text;
};

// Every advice text of the files, once for each place, in file order.
std::vector<AdviceText> ScanAdviceTexts(const std::vector<SourceFile>& files);
