#include "engine/suggestion_builders.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/covered_words.h"
#include "tests/support/word_list_fixture.h"

namespace {

TEST(SuggestArticleThe, BeforeANounInALongEnoughSentence) {
  TestWords words({{"Remove", 20, "V0****", "case=1"}, {"cover", 10}, {"from", 67}, {"the", 64},
                   {"old", 30}, {"pump", 10}, {"now", 50}, {".", 48}});
  SuggestArticleThe(words.head());
  EXPECT_EQ(words.Changes(),
            "Remove: suggestion=\"The remove\" tag=\"<AR>\" message=311 ruleId=2010");
}

TEST(SuggestArticleThe, CapitalsAndRefusals) {
  {
    TestWords words({{"REMOVE", 20}, {"COVER", 10}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30},
                     {"e", 30}});
    SuggestArticleThe(words.head());
    EXPECT_EQ(words.head()->suggestion, "THE REMOVE");
  }
  {
    TestWords words({{"REMOVE", 20}, {"cover", 10}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30},
                     {"e", 30}});
    SuggestArticleThe(words.head());
    EXPECT_EQ(words.head()->suggestion, "The REMOVE");
  }
  // Too few words after the noun, a number, a marked word, a code with '3'.
  for (const char* tail : {"short", "number", "marked", "code"}) {
    std::string t = tail;
    TestWords words({{"Remove", 20, t == "code" ? "V0*3**" : "V0****", t == "marked" ? "mark=1" : ""},
                     {"cover", 10}, {"a", 64}, {"b", 30}, {t == "number" ? "12" : "c", t == "number" ? 49 : 30},
                     {"d", 30}, {t == "short" ? "." : "e", t == "short" ? 48 : 30}});
    SuggestArticleThe(words.head());
    EXPECT_EQ(words.Changes(), "") << tail;
  }
  TestWords verb({{"Remove", 20}, {"it", 66}, {"a", 64}, {"b", 30}, {"c", 30}, {"d", 30}, {"e", 30}});
  SuggestArticleThe(verb.head());
  EXPECT_EQ(verb.Changes(), "");
  SuggestArticleThe(nullptr);
}

TEST(SuggestArticleForNext, JoinsTheWordsAndSuggestsTheArticle) {
  TestWords words({{"Open", 20}, {"valve", 10}, {"slowly", 50}, {".", 48}});
  SuggestArticleForNext(words.head());
  EXPECT_EQ(words.Changes(),
            "Open: written=\"Open?valve\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
            "valve: suggestion=\"the valve\" message=326 ruleId=2356");
  TestWords caps({{"OPEN", 20}, {"VALVE", 10}, {"NOW", 50}});
  SuggestArticleForNext(caps.head());
  EXPECT_EQ(caps["VALVE"]->suggestion, "THE VALVE");
}

TEST(SuggestArticleForNext, RefusalsAndBounds) {
  const char* cases[][3] = {{"valve", "10", "."},   {"water", "10", "now"}, {"oil", "40", "now"},
                            {"all", "38", "now"},   {"max", "45", "now"}};
  for (auto& c : cases) {
    TestWords words({{"Open", 20}, {c[0], std::stoi(c[1])}, {c[2], std::string(c[2]) == "." ? 48 : 50}});
    SuggestArticleForNext(words.head());
    EXPECT_EQ(words.Changes(), "") << c[0] << ' ' << c[2];
  }
  TestWords marked({{"Open", 20}, {"valve", 10, nullptr, "mark=1"}, {"now", 50}});
  SuggestArticleForNext(marked.head());
  EXPECT_EQ(marked.Changes(), "");
  TestWords markedAfter({{"Open", 20}, {"valve", 10}, {"cover", 10, nullptr, "mark=1"}});
  SuggestArticleForNext(markedAfter.head());
  EXPECT_EQ(markedAfter.Changes(), "");
  // The last word of a list without a sentinel has no word after it.
  TestWords bare({{"Open", 20}, {"valve", 10}}, false);
  SuggestArticleForNext(bare.head());
  EXPECT_EQ(bare.Changes(), "");

  // Two long written forms are joined within the 84-character field.
  std::string a(80, 'a'), b(80, 'b');
  TestWords longWords({{a.c_str(), 20}, {b.c_str(), 10}, {"now", 50}});
  SuggestArticleForNext(longWords.head());
  EXPECT_EQ(longWords.head()->written.view(), a + "?" + std::string(2, 'b'));
  EXPECT_EQ(longWords[b]->suggestion.length(), 79u);
}

std::string VerbOf(const char* ing, char code, int form, int* result = nullptr) {
  std::string flags = std::string("plural=") + code;
  TestWords words({{ing, 23, nullptr, flags.c_str()}});
  int r = MakeVerbFromIng(words.head(), form);
  if (result) *result = r;
  return words.head()->suggestion.str();
}

TEST(MakeVerbFromIng, FormsByCodeLetter) {
  EXPECT_EQ(VerbOf("removing", '7', 0), "remove");
  EXPECT_EQ(VerbOf("removing", '7', 1), "removes");
  EXPECT_EQ(VerbOf("stopping", '9', 0), "stop");
  EXPECT_EQ(VerbOf("stopping", '9', 1), "stops");
  EXPECT_EQ(VerbOf("opening", '0', 1), "open");
  EXPECT_EQ(VerbOf("using", '1', 0), "use");
  EXPECT_EQ(VerbOf("using", '1', 1), "use");
  EXPECT_EQ(VerbOf("pushing", '2', 1), "pushes");
  EXPECT_EQ(VerbOf("turning", 'A', 1), "turns");
  EXPECT_EQ(VerbOf("applying", '5', 0), "apply");
  EXPECT_EQ(VerbOf("applying", '5', 1), "applies");
  EXPECT_EQ(VerbOf("making", 'E', 0), "make");
  EXPECT_EQ(VerbOf("making", 'E', 1), "makes");
  EXPECT_EQ(VerbOf("setting", 'H', 1), "sets");
  EXPECT_EQ(VerbOf("fixing", '6', 0), "fix");
  EXPECT_EQ(VerbOf("fixing", '6', 1), "");  // no -s form for this code
  EXPECT_EQ(VerbOf("fixing", 'Z', 0), "");  // unknown code
  EXPECT_EQ(VerbOf("ring", 'G', 0), "");    // too short for 'G'
  EXPECT_EQ(VerbOf("ding", '9', 0), "");    // drop four of four: nothing
  EXPECT_EQ(VerbOf("ing", '0', 0), "");     // shorter than 4: no form
  EXPECT_EQ(VerbOf("removing", '7', -1), "remove");  // no subject number: base form
}

TEST(MakeVerbFromIng, QualifyingWordsAndPhrases) {
  int r = 0;
  VerbOf("removing", ' ', 0, &r);
  EXPECT_EQ(r, -1);
  VerbOf("removed", '7', 0, &r);
  EXPECT_EQ(r, -1);
  VerbOf("g", '7', 0, &r);
  EXPECT_EQ(r, -1);

  TestWords words({{"removing", 23, nullptr, "plural=7 sug=old"}});
  EXPECT_EQ(MakeVerbFromIng(words.head(), 2), 1);
  EXPECT_EQ(words.Changes(), "");  // a form above 1 changes nothing

  // A phrase entry keeps its text's first word and its rest in the suggestion.
  TestWords phrase({{"checking wiring", 23, nullptr, "plural=3"}});
  EXPECT_EQ(MakeVerbFromIng(phrase.head(), 1), 1);
  EXPECT_EQ(phrase.Changes(),
            "checking wiring: text=\"checking\" suggestion=\"checks wiring\" length=8");
  TestWords other({{"checking out", 23, nullptr, "plural=3"}});
  EXPECT_EQ(MakeVerbFromIng(other.head(), 1), -1);  // the text must end in 'g'

  EXPECT_EQ(MakeVerbFromIng(nullptr, 0), -1);
}

TEST(SplitNumberUnit, KnownUnits) {
  auto split = [](const char* written, std::string* suggestion) {
    TestWords words({{written, 49}});
    int r = SplitNumberUnit(words.head());
    *suggestion = words.head()->suggestion.str();
    return r;
  };
  std::string s;
  EXPECT_EQ(split("12MM", &s), 1);
  EXPECT_EQ(s, "12 mm");
  EXPECT_EQ(split("1,5kg", &s), 1);
  EXPECT_EQ(s, "1,5 Kg");
  EXPECT_EQ(split("3.3ma", &s), 1);
  EXPECT_EQ(s, "3.3 mA");
  EXPECT_EQ(split("12mmm", &s), -1);
  EXPECT_EQ(s, "");
  EXPECT_EQ(split("12", &s), -1);  // no unit letters
  EXPECT_EQ(split("mm", &s), -1);  // no number
  EXPECT_EQ(split("1234567890mm", &s), -1);  // the number holds nine characters at most
  EXPECT_EQ(split("123456789mm", &s), 1);
  EXPECT_EQ(SplitNumberUnit(nullptr), -1);
}

TEST(SkipCoveredWords, ClearsTheCoveredFollowers) {
  TestWords words({{"in", 60, nullptr, "entry=3"}, {"accordance", 10, nullptr, "msg=301 sub=301"},
                   {"with", 60, nullptr, "msg2=330"}, {"it", 66, nullptr, "msg=312"}});
  EXPECT_EQ(SkipCoveredWords(words["in"]), words["with"]);
  EXPECT_EQ(words.Changes(),
            "accordance: wordClass=40 subClass=0 message=0\nwith: wordClass=40 message2=0");
}

TEST(SkipCoveredWords, RefsCountsAndTheEnd) {
  {
    TestWords words({{"see", 20, nullptr, "entry=2"}, {"<ref>", 40}, {"x", 10}});
    EXPECT_EQ(SkipCoveredWords(words.head()), words.head());
    EXPECT_EQ(words.Changes(), "see: entryWords=1");
  }
  for (int n : {0, 1, 5}) {
    std::string flags = "entry=" + std::to_string(n);
    TestWords words({{"on", 60, nullptr, flags.c_str()}, {"x", 10, nullptr, "msg=301"}});
    EXPECT_EQ(SkipCoveredWords(words.head()), words.head());
    EXPECT_EQ(words.Changes(), "");
  }
  {
    // Never over the sentinel or past the end of the list.
    TestWords words({{"on", 60, nullptr, "entry=4"}, {"x", 10, nullptr, "msg=301"}});
    EXPECT_EQ(SkipCoveredWords(words.head()), words["x"]);
    EXPECT_EQ(words.Changes(), "x: wordClass=40 message=0");
    TestWords bare({{"on", 60, nullptr, "entry=3"}}, false);
    EXPECT_EQ(SkipCoveredWords(bare.head()), bare.head());
    EXPECT_EQ(SkipCoveredWords(nullptr), nullptr);
  }
}

}  // namespace
