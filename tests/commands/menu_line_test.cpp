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
  EXPECT_EQ(RemapMenuCategory(24, ", and"), 6);
  EXPECT_EQ(RemapMenuCategory(24, "and"), 24);
  EXPECT_EQ(RemapMenuCategory(44, "x"), 34);
  EXPECT_EQ(RemapMenuCategory(45, "x"), 6);
  EXPECT_EQ(RemapMenuCategory(15, "and/or"), 24);
  EXPECT_EQ(RemapMenuCategory(15, "a;b"), 24);
  EXPECT_EQ(RemapMenuCategory(15, "note:"), 24);
  EXPECT_EQ(RemapMenuCategory(15, "set up"), 15);
}

TEST(MenuLine, FirstLineNamesTheFindingByCategory) {
  EXPECT_EQ(LineFor(24, ", which"), ", which   CHANGE-TO-VERB");
  EXPECT_EQ(Finding.CurrentCategory, 6);  // written back
  EXPECT_EQ(LineFor(24, "utilize"), "utilize   WRONG MEANING");
  EXPECT_EQ(LineFor(15, "put:"), "put:   WRONG MEANING");
  EXPECT_EQ(LineFor(44, "not"), "not :  NEGATIVE");
  EXPECT_EQ(Finding.CurrentCategory, 34);
  EXPECT_EQ(LineFor(45, "x"), "x   CHANGE-TO-VERB");
  EXPECT_EQ(LineFor(28, "The", 27), "SENT.  LENGTH:  27 from <The>.");
  EXPECT_EQ(LineFor(0, "go"), "go : WRONG VERB");
  EXPECT_EQ(LineFor(17, "re-use"), "re-use : HYPHEN");
  EXPECT_EQ(LineFor(22, "x"), "x : CHANGE-TO_NOUN");
  EXPECT_EQ(LineFor(39, "x"), "x : WRONG CHOICE");
  EXPECT_EQ(LineFor(41, "x"), "x : WRONG CHOICE");
  EXPECT_EQ(LineFor(-1, "x"), "x : WRONG CHOICE");
  EXPECT_EQ(LineFor(40, "x"), "x: LONG PARAGRAPH (STE-100 rule)");
  EXPECT_EQ(LineFor(7, "must"), "must : PRODUCT LIABILITY");
  EXPECT_EQ(LineFor(7, "did"), FormatMenuLine(LoadStringResource(IDS_MENU_DO_DID), "did", ""));
  EXPECT_EQ(LineFor(7, "Do"), FormatMenuLine(LoadStringResource(IDS_MENU_DO_DID), "Do", ""));
}

TEST(MenuLine, EveryCategoryHasAStringAndPercentSignsOfTheWordStay) {
  for (int category = -2; category < 50; ++category)
    EXPECT_NE(LoadStringResource(MenuLineStringId(category, "x")), nullptr) << category;
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
