#include <gtest/gtest.h>

#include "commands/finding_state.h"
#include "commands/menu_line.h"
#include "resources/string_table.h"

namespace {
std::string LineFor(int category, const char* word, int markerNumber = 0) {
  Finding.Reset();
  Finding.CurrentCategory = category;
  Finding.CurrentMarkedWord = word;
  Finding.CurrentMarkerNumber = markerNumber;
  LoadMenuLine();
  return Finding.ContextMenuText.str();
}
}  // namespace

TEST(MenuLine, RemapsCategoriesInOrder) {
  const struct {
    int category;
    const char* word;
    int remapped;
  } rows[] = {{24, ", and", 6}, {24, "and", 24},   {44, "x", 34},     {45, "x", 6},
              {15, "and/or", 24}, {15, "a;b", 24}, {15, "note:", 24}, {15, "set up", 15}};
  for (const auto& row : rows) EXPECT_EQ(RemapMenuCategory(row.category, row.word), row.remapped) << row.word;
}

// The first line names the finding by its (remapped, written back) category.
TEST(MenuLine, FirstLineNamesTheFindingByCategory) {
  const std::string doDid = LoadStringResource(IDS_MENU_DO_DID);
  const struct {
    int category;
    const char* word;
    int number;
    std::string line;
    int after;
  } rows[] = {
      {24, ", which", 0, ", which   CHANGE-TO-VERB", 6}, {24, "utilize", 0, "utilize   WRONG MEANING", 24},
      {15, "put:", 0, "put:   WRONG MEANING", 24},     {44, "not", 0, "not :  NEGATIVE", 34},
      {45, "x", 0, "x   CHANGE-TO-VERB", 6},          {28, "The", 27, "SENT.  LENGTH:  27 from <The>.", 28},
      {0, "go", 0, "go : WRONG VERB", 0},              {17, "re-use", 0, "re-use : HYPHEN", 17},
      {22, "x", 0, "x : CHANGE-TO_NOUN", 22},          {41, "x", 0, "x : WRONG CHOICE", 41},
      {-1, "x", 0, "x : WRONG CHOICE", -1},            {40, "x", 0, "x: LONG PARAGRAPH (STE-100 rule)", 40},
      {7, "must", 0, "must : PRODUCT LIABILITY", 7},   {7, "did", 0, FormatMenuLine(doDid, "did", ""), 7},
      {7, "Do", 0, FormatMenuLine(doDid, "Do", ""), 7},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(LineFor(row.category, row.word, row.number), row.line);
    EXPECT_EQ(Finding.CurrentCategory, row.after) << row.word;
  }
}

TEST(MenuLine, EveryCategoryHasAStringAndPercentSignsOfTheWordStay) {
  for (int category = -2; category < 50; ++category)
    EXPECT_NE(LoadStringResource(MenuLineStringId(category, "x")), nullptr) << category;
  EXPECT_EQ(LoadStringResource(0), nullptr);  // an id without a string
  EXPECT_EQ(FormatMenuLine("%1 : %2 %3", "50%1", "%2"), "50%1 : %2 %3");
  // A line longer than the field is cut at 255 characters.
  std::string word(127, 'w');
  Finding.Reset();
  Finding.CurrentCategory = 1;
  Finding.CurrentMarkedWord = word;
  LoadMenuLine();
  EXPECT_EQ(Finding.ContextMenuText.str(), word + " : WRONG CHOICE");
}

TEST(MenuLine, SuggestionsSplitAtSlashes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitSuggestions("use"), V{"use"});
  EXPECT_EQ(SplitSuggestions("use/apply//do/"), (V{"use", "apply", "do"}));
  EXPECT_EQ(SplitSuggestions("///"), V{});
  EXPECT_EQ(SplitSuggestions(""), V{});
  EXPECT_EQ(SplitSuggestions("a/b/c/d/e/f/g/h").size(), 8u);
  // A number keeps its first slash: a fraction is one suggestion.
  EXPECT_EQ(SplitSuggestions("1/2"), V{"1/2"});
  EXPECT_EQ(SplitSuggestions("3/4 in/19 mm"), (V{"3/4 in", "19 mm"}));
}
