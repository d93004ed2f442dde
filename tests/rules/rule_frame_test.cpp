// The rule frame: word lists, the row type, the walk outcomes and the two
// dispatch tables.
#include <gtest/gtest.h>

#include "engine/class_numbers.h"
#include "rules/common/rule_row.h"
#include "rules/function_words/function_word_rules.h"
#include "rules/main_pass/class_dispatch.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(Words, WholeWordsAndStems) {
  static constexpr Words kList = "on|off|turn*|ignition switch";
  struct Case {
    const char* text;
    bool held;
  } cases[] = {
      {"on", true}, {"turned", true}, {"ignition switch", true}, {"onto", false}, {"tur", false}, {"", false},
      {"ignition", false},
  };
  for (const Case& k : cases) EXPECT_EQ(kList.Has(k.text), k.held) << k.text;
  EXPECT_TRUE(kList.MayHold('t'));
  EXPECT_FALSE(kList.MayHold('x'));
  EXPECT_TRUE(Words().Empty());
}

TEST(Classes, MembersAndRanges) {
  static constexpr Classes kSet = {Cls::Of, Cls::To};
  EXPECT_TRUE(kSet.Has(67));
  EXPECT_TRUE(kSet.Has(68));
  EXPECT_FALSE(kSet.Has(69));
  EXPECT_FALSE(kSet.Has(-1));
  EXPECT_FALSE(kSet.Has(500));
  EXPECT_TRUE(kNounClasses.Has(0));
  EXPECT_TRUE(kNounClasses.Has(19));
  EXPECT_FALSE(kNounClasses.Has(20));
}

void Plural(SentenceStateRec& s) { s.subjectNumber = 1; }
bool SubjectIsPlural(const RuleContext& c) { return c.state.subjectNumber == 1; }
void WriteFromNext(RuleContext& c, WordRec& target) { target.suggestion = c.n1().written.view(); }

// A table that uses each column once.
// clang-format off
constexpr RuleRow kDemo[] = {
    /*0*/ {.n1 = "and", .n2 = "off", .suggestion = "ON/OFF", .covers = 3, .code = Msg::NameLabel, .ruleId = 2466, .outcome = Walk::SkipCovered},
    /*1*/ {.p1 = "turn*", .clear = true, .suggestion = "set to ON", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 4475},
    /*2*/ {.n1Class = {Cls::To}, .n2 = "be", .when = SubjectIsPlural, .code = Msg::Awkward, .ruleId = 11},
    /*3*/ {.n1Class = {Cls::To}, .tag = "<AR>", .verbForm = 'X', .on = On::N1, .code = Msg::Preposition, .ruleId = 12, .outcome = Walk::PassNext},
    /*4*/ {.p2 = "the", .p1Class = kNounClasses, .then = WriteFromNext, .ruleId = 13},
    /*5*/ {.n3 = "now", .suggestion = "(Rephrase)", .outcome = Walk::Clear},
};
// clang-format on

TEST(RuleRow, FirstMatchAndItsWrites) {
  RunRowCases(kDemo, {
      {"Switch/20 on/61 and/63 off/61 ./48", "on", 0, "on: suggestion=\"ON/OFF\" message=323 entryWords=3 ruleId=2466"},
      {"Turn/20 on/61 the/64 pump/10 ./48", "on", 1,
       "Turn: suggestion=\"set to ON\" message=300 entryWords=2 ruleId=4475"},
      {"Turn/20 on/61{msg=330} the/64 pump/10 ./48", "on", 1,
       "Turn: suggestion=\"set to ON\" message=300 entryWords=2 ruleId=4475\non: message=0"},
      {"go/20 on/61 to/68 be/24 ./48", "on", 2, "on: message=302 ruleId=11", Plural},
      {"go/20 on/61 to/68 be/24 ./48", "on", 3, "to: tag=\"<AR>\" message=331 ruleId=12 verbForm=X"},
      {"the/64 pump/10 on/61 valve/10 ./48", "on", 4, "on: suggestion=\"valve\" ruleId=13"},
      {"it/66 on/61 a/64 b/10 now/50", "on", 5, "on: suggestion=\"(Rephrase)\""},
      // A missing neighbour fails every column on it: no P1 before the head,
      // nothing after the sentinel.
      {"on/61 ./48", "on", -1, ""},
  });
}

TEST(RuleRow, AFindingOnAMissingWordWritesNothing) {
  auto words = BuildWords("on/61");
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "on"), .head = words->head(), .state = state};
  static constexpr RuleRow kOnNext{.suggestion = "x", .on = On::N2, .code = Msg::Awkward, .ruleId = 1,
                                   .outcome = Walk::PassTwo};
  EXPECT_EQ(ApplyRow(c, kOnNext), Walk::PassTwo);
  EXPECT_EQ(words->Changes(), "");
}

// A rule reads its word's block up to the mark that ends it: no word of the
// block after it nor, back, of the block before.
TEST(RuleRow, ReadsWithinTheWordsBlock) {
  auto words = BuildWords("Common/30 sets/11 ./48{block} Down/61 the/64 valve/10 ./48");
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "sets"), .head = words->head(), .state = state};
  static constexpr RuleRow kSetDown{.n2 = "down", .suggestion = "put", .code = Msg::PhrasalVerb, .ruleId = 4567};
  EXPECT_EQ(c.n1().text, ".");
  EXPECT_EQ(c.N(2), nullptr);
  EXPECT_FALSE(RowHolds(c, kSetDown));
  c.word = FindWord(*words, "Down");
  EXPECT_EQ(c.p1().text, ".");
  EXPECT_EQ(c.P(2), nullptr);
  EXPECT_EQ(c.n2().text, "valve");
}

Walk Returns(RuleContext& c) {
  const Walk o = static_cast<Walk>(c.word->subClass);
  c.word->subClass = 0;
  return o;
}

// Every outcome, its effect and its resume word; none passes the end record.
TEST(Walk, OutcomesAndResumeWords) {
  RunBodyCases(Returns, {
      {"a/40 b/10{msg=330} c/10 ./48", "a", "", "a"},
      {"a/40{sub=1} b/10 c/10 ./48", "a", "a: subClass=0", "b"},
      {"a/40{sub=2} b/10 c/10 ./48", "a", "a: subClass=0", "c"},
      {"a/40{sub=2} b/10", "a", "a: subClass=0", "@@END"},
      {"a/40{sub=3 entry=3} b/10{msg=330} c/10 d/10", "a", "a: subClass=0\nb: wordClass=40 message=0\nc: wordClass=40",
       "c"},
      {"a/40{sub=3 entry=4} b/10", "a", "a: subClass=0\nb: wordClass=40", "b"},
      {"a/40{sub=4 msg=330 msg2=302} b/10", "a", "a: subClass=0 message=0 message2=0", "a"},
      {"a/40{sub=5} b/10{msg=330 sub=17}", "a", "a: subClass=0\nb: subClass=0 message=0", "a"},
      {"a/10{sub=6} b/10", "a", "a: subClass=0\nb: wordClass=40", "b"},
      {"a/10{sub=6}", "a", "a: subClass=0", "@@END"},
      {"a/10{sub=7} b/10", "a", "a: wordClass=40 subClass=0", "a"},
  });
}

TEST(FunctionWordDispatch, ClassesWithoutABodyEndOrTurnNeutral) {
  struct Case {
    int wordClass;
    int after;
  } cases[] = {{55, 55}, {80, 80}, {58, 40}, {72, 40}, {33, 40}, {0, 40}, {81, 40}, {-3, 40}};
  for (const Case& k : cases) {
    TestWords words({{"so", k.wordClass}, {"do", 20}, {".", 48}});
    EXPECT_EQ(ApplyFunctionWordRules(words["so"], words.head()), words["so"]) << k.wordClass;
    EXPECT_EQ(words["so"]->wordClass, k.after) << k.wordClass;
    EXPECT_EQ(words["so"]->message, 0);
  }
  for (int c = 50; c <= 80; ++c) {
    const bool body = !(c >= 55 && c <= 59) && c != 72 && c != 79 && c != 80;
    EXPECT_EQ(FunctionWordBodyFor(c) != nullptr, body) << c;
  }
}

TEST(MainDispatch, EachClassGoesToOnePlace) {
  for (int c = -1; c <= 90; ++c) {
    const bool functionWords = c < 10 || c == 33 || c >= 50;
    EXPECT_EQ(GoesToFunctionWordRules(c), functionWords) << c;
    const bool body = !functionWords && c != 26 && c != 36 && c != 41;
    EXPECT_EQ(MainClassBodyFor(c) != nullptr, body) << c;
  }
  EXPECT_EQ(MainClassBodyFor(12), MainClassBodyFor(10));
  EXPECT_EQ(MainClassBodyFor(39), MainClassBodyFor(34));
}

}  // namespace
