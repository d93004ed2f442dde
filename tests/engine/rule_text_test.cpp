#include "engine/rule_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(FormatShortText, CountsOrRefusesAndAlwaysTerminates) {
  char buf[kShortTextSize + 8];
  std::memset(buf, 'x', sizeof buf);
  EXPECT_EQ(FormatShortText(buf, "%s not illuminated", "LED"), 19);
  EXPECT_STREQ(buf, "LED not illuminated");

  std::string long_word(150, 'a');
  std::memset(buf, 'x', sizeof buf);
  EXPECT_EQ(FormatShortText(buf, "%s", long_word.c_str()), -1);
  EXPECT_EQ(std::strlen(buf), kShortTextSize - 1);
  EXPECT_EQ(buf[kShortTextSize], 'x');  // nothing written past the buffer

  EXPECT_EQ(FormatShortText(buf, "%s", std::string(99, 'b').c_str()), 99);
  EXPECT_EQ(FormatShortText(buf, "%s", std::string(100, 'b').c_str()), -1);

  BoundedText<kShortTextSize> field;
  EXPECT_EQ(FormatShortText(field, "when you %s/%s", "open", "open"), 18);
  EXPECT_EQ(field, "when you open/open");
  EXPECT_EQ(FormatShortText(field, "%s", long_word.c_str()), -1);
  EXPECT_EQ(field.length(), kShortTextSize - 1);
}

TEST(RuleText, TagsAndSuggestionsAreCutAtTheirBounds) {
  WordRec w;
  CopyTag(&w, "<AR>");
  EXPECT_EQ(w.tag, "<AR>");
  CopyTag(&w, "<1234567890>");
  EXPECT_EQ(w.tag, "<123456");
  CopyTag(&w, nullptr);
  EXPECT_EQ(w.tag, "");

  WriteSuggestion(&w, std::string(150, 's'));
  EXPECT_EQ(w.suggestion.length(), 99u);
  WriteSuggestion(&w, "in operation/ON position/(Rephrase)");
  EXPECT_EQ(w.suggestion, "in operation/ON position/(Rephrase)");

  // Formatted suggestions stop at 80 bytes, terminator included.
  FormatSuggestion(&w, "%s not illuminated", std::string(83, 'w').c_str());
  EXPECT_EQ(w.suggestion.length(), kFormattedSuggestionSize - 1);
  EXPECT_EQ(w.suggestion.view(), std::string(79, 'w'));
  FormatSuggestion(nullptr, "%s", "x");  // no record, no effect
}

}  // namespace
