#include "engine/suggestion_builders.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/covered_words.h"
#include "tests/engine/list_cases.h"

namespace {

TEST(SuggestArticleThe, BeforeANounInALongEnoughSentence) {
  RunListCases(
      {
          {{{"Remove", 20, "V0****", "case=1"}, {"cover", 10}, {"from", 67}, {"the", 64}, {"old", 30}, {"pump", 10},
            {"now", 50}, {".", 48}}, "Remove: suggestion=\"The remove\" tag=\"<AR>\" message=311 ruleId=2010"},
          {{{"REMOVE", 20}, {"COVER", 10}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30}, {"e", 30}}, "REMOVE: suggestion=\"THE REMOVE\" tag=\"<AR>\" message=311 ruleId=2010"},
          {{{"REMOVE", 20}, {"cover", 10}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30}, {"e", 30}}, "REMOVE: suggestion=\"The REMOVE\" tag=\"<AR>\" message=311 ruleId=2010"},
          // Refused: too few words after the noun, a number, a marked word, a
          // code with '3', no noun.
          {{{"Remove", 20, "V0****"}, {"cover", 10}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30}, {".", 48}}, ""},
          {{{"Remove", 20, "V0****"}, {"cover", 10}, {"a", 64}, {"b", 30}, {"12", 49}, {"d", 30}, {"e", 30}}, ""},
          {{{"Remove", 20, "V0****", "mark=1"}, {"cover", 10}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30}, {"e", 30}}, ""},
          {{{"Remove", 20, "V0*3**"}, {"cover", 10}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30}, {"e", 30}}, ""},
          {{{"Remove", 20}, {"it", 66}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30}, {"e", 30}}, ""},
      },
      Changed(SuggestArticleThe));
  SuggestArticleThe(nullptr);
}

TEST(SuggestArticleForNext, JoinsTheWordsAndSuggestsTheArticle) {
  RunListCases(
      {
          {{{"Open", 20}, {"valve", 10}, {"slowly", 50}, {".", 48}},
           "Open: written=\"Open?valve\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
           "valve: suggestion=\"the valve\" message=326 ruleId=2356"},
          {{{"OPEN", 20}, {"VALVE", 10}, {"NOW", 50}}, "OPEN: written=\"OPEN?VALVE\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\nVALVE: suggestion=\"THE VALVE\" message=326 ruleId=2356"},
          // Refused: before the end, a material, a neutral word, "all", an
          // abbreviation, a marked word or one before a marked word, the last
          // word of a list without a sentinel.
          {{{"Open", 20}, {"valve", 10}, {".", 48}}, ""},
          {{{"Open", 20}, {"water", 10}, {"now", 50}}, ""},
          {{{"Open", 20}, {"oil", 40}, {"now", 50}}, ""},
          {{{"Open", 20}, {"all", 38}, {"now", 50}}, ""},
          {{{"Open", 20}, {"max", 45}, {"now", 50}}, ""},
          {{{"Open", 20}, {"valve", 10, nullptr, "mark=1"}, {"now", 50}}, ""},
          {{{"Open", 20}, {"valve", 10}, {"cover", 10, nullptr, "mark=1"}}, ""},
          {{{"Open", 20}, {"valve", 10}}, "", false},
      },
      Changed(SuggestArticleForNext));
  // Two long written forms are joined within the 84-character field.
  std::string a(80, 'a'), b(80, 'b');
  TestWords longWords({{a.c_str(), 20}, {b.c_str(), 10}, {"now", 50}});
  SuggestArticleForNext(longWords.head());
  EXPECT_EQ(longWords.head()->written.view(), a + "?" + std::string(2, 'b'));
  EXPECT_EQ(longWords[b]->suggestion.length(), 79u);
}

TEST(MakeVerbFromIng, FormsByCodeLetter) {
  const struct {
    const char* ing;
    char code;
    int form;
    const char* verb;
    int result = 1;
  } cases[] = {
      {"removing", '7', 0, "remove"}, {"removing", '7', 1, "removes"}, {"stopping", '9', 0, "stop"},
      {"stopping", '9', 1, "stops"},  {"opening", '0', 1, "open"},     {"using", '1', 0, "use"},
      {"using", '1', 1, "use"},       {"pushing", '2', 1, "pushes"},   {"turning", 'A', 1, "turns"},
      {"applying", '5', 0, "apply"},  {"applying", '5', 1, "applies"}, {"making", 'E', 0, "make"},
      {"making", 'E', 1, "makes"},    {"setting", 'H', 1, "sets"},     {"fixing", '6', 0, "fix"},
      {"fixing", '6', 1, ""},       // no -s form for this code
      {"fixing", 'Z', 0, ""},       // unknown code
      {"ring", 'G', 0, ""},         // too short for 'G'
      {"ding", '9', 0, ""},         // drop four of four: nothing
      {"ing", '0', 0, ""},          // shorter than 4: no form
      {"removing", '7', -1, "remove"},  // no subject number: base form
      {"removing", ' ', 0, "", -1},  {"removed", '7', 0, "", -1},     {"g", '7', 0, "", -1},
  };
  for (const auto& c : cases) {
    std::string flags = std::string("plural=") + c.code;
    TestWords words({{c.ing, 23, nullptr, flags.c_str()}});
    const int r = MakeVerbFromIng(words.head(), c.form);
    EXPECT_EQ(words.head()->suggestion, c.verb) << c.ing << " " << c.code << " " << c.form;
    if (c.result < 0) {
      EXPECT_EQ(r, c.result) << c.ing;
    }
  }
  EXPECT_EQ(MakeVerbFromIng(nullptr, 0), -1);
}

TEST(MakeVerbFromIng, FormAboveOneAndPhrases) {
  RunListCases(
      {
          // A form above 1 changes nothing.
          {{{"removing", 23, nullptr, "plural=7 sug=old"}}, "1 "},
          // A phrase entry keeps its text's first word and its rest in the suggestion.
          {{{"checking wiring", 23, nullptr, "plural=3"}},
           "1 checking wiring: text=\"checking\" suggestion=\"checks wiring\" length=8"},
          {{{"checking out", 23, nullptr, "plural=3"}}, "-1 "},  // the text must end in 'g'
      },
      [](TestWords& words) {
        const int form = words.head()->suggestion == "old" ? 2 : 1;
        const int r = MakeVerbFromIng(words.head(), form);
        return std::to_string(r) + " " + words.Changes();
      });
}

TEST(SplitNumberUnit, KnownUnits) {
  const struct {
    const char* written;
    int result;
    const char* suggestion;
  } cases[] = {
      {"12MM", 1, "12 mm"}, {"1,5kg", 1, "1,5 Kg"}, {"3.3ma", 1, "3.3 mA"}, {"12mmm", -1, ""},
      {"12", -1, ""},           // no unit letters
      {"mm", -1, ""},           // no number
      {"1234567890mm", -1, ""},  // the number holds nine characters at most
      {"123456789mm", 1, "123456789 mm"},
  };
  for (const auto& c : cases) {
    TestWords words({{c.written, 49}});
    EXPECT_EQ(SplitNumberUnit(words.head()), c.result) << c.written;
    EXPECT_EQ(words.head()->suggestion, c.suggestion) << c.written;
  }
  EXPECT_EQ(SplitNumberUnit(nullptr), -1);
}

// Each case: a list, the word the skip lands on, and what it cleared.
TEST(SkipCoveredWords, ClearsTheCoveredFollowersUpToTheEnd) {
  RunListCases(
      {
          {{{"in", 60, nullptr, "entry=3"}, {"accordance", 10, nullptr, "msg=301 sub=301"},
            {"with", 60, nullptr, "msg2=330"}, {"it", 66, nullptr, "msg=312"}},
           "with accordance: wordClass=40 subClass=0 message=0\nwith: wordClass=40 message2=0"},
          // A placeholder is not covered.
          {{{"see", 20, nullptr, "entry=2"}, {"<ref>", 40}, {"x", 10}}, "see see: entryWords=1"},
          {{{"on", 60, nullptr, "entry=0"}, {"x", 10, nullptr, "msg=301"}}, "on "},
          {{{"on", 60, nullptr, "entry=1"}, {"x", 10, nullptr, "msg=301"}}, "on "},
          {{{"on", 60, nullptr, "entry=5"}, {"x", 10, nullptr, "msg=301"}}, "on "},
          // Never over the sentinel or past the end of the list.
          {{{"on", 60, nullptr, "entry=4"}, {"x", 10, nullptr, "msg=301"}}, "x x: wordClass=40 message=0"},
          {{{"on", 60, nullptr, "entry=3"}}, "on ", false},
      },
      [](TestWords& words) {
        const WordRec* w = SkipCoveredWords(words.head());
        const std::string landed = w ? w->written.str() : std::string("null");
        return landed + " " + words.Changes();
      });
  EXPECT_EQ(SkipCoveredWords(nullptr), nullptr);
}

}  // namespace
