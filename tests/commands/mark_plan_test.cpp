#include "commands/mark_plan.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using K = FindingKind;

MarkInput Finding(std::string key, FindingKind kind = K::Word, int category = 25) {
  MarkInput in;
  in.searchKey = std::move(key);
  in.kind = kind;
  in.category = category;
  return in;
}

// The whole reading of a marker finding: key, leading character, refinement.
MarkWork Plan(const MarkInput& in) {
  MarkWork w;
  EXPECT_EQ(ReadMarkKey(in, w), KeyReading::Search);
  ApplyLeadingKeyChar(in, w);
  RefineSearch(in, w);
  return w;
}

TEST(MarkKey, RecordLevelErrors) {
  MarkWork w;
  EXPECT_EQ(ReadMarkKey(Finding("valve"), w), KeyReading::MissingSearch);
  EXPECT_EQ(ReadMarkKey(Finding(""), w), KeyReading::MissingSearch);
  EXPECT_EQ(ReadMarkKey(Finding(":| 0!x"), w), KeyReading::LeadingColon);
  EXPECT_TRUE(w.A == "x");
}

TEST(MarkKey, ColonFinding) {
  MarkWork w;
  ASSERT_EQ(ReadMarkKey(Finding("::| 0!(Check use of colons)/(Use a bulleted list)"), w),
            KeyReading::Search);
  EXPECT_EQ(w.S, ":");
  EXPECT_EQ(w.F, ":");
  EXPECT_EQ(w.A, "(Check use of colons)/(Use a bulleted list)");
  EXPECT_EQ(w.refineMode, 7);
  EXPECT_FALSE(w.markModeSix);
}

TEST(MarkKey, AdviceAfterTheLastBang) {
  MarkWork w = Plan(Finding("in.order:|12!to"));
  EXPECT_EQ(w.S, "in.order");
  EXPECT_EQ(w.A, "to");
  EXPECT_EQ(w.backwardMode, 7);
  EXPECT_EQ(w.findF, "in.order");
  EXPECT_EQ(MarkerTextFromF(w), "in order");
  EXPECT_TRUE(w.markModeSix);
}

TEST(MarkKey, OneWordWithoutAdvice) {
  MarkWork w = Plan(Finding("frobnicate:| 0"));
  EXPECT_EQ(w.S, "frobnicate");
  EXPECT_EQ(w.A, "");
  EXPECT_EQ(MarkerTextFromF(w), "frobnicate");
}

TEST(MarkKey, ParenthesisedPlurals) {
  MarkWork w = Plan(Finding("valve(s):| 0"));
  EXPECT_EQ(w.S, "valve.s.");
  EXPECT_EQ(w.A, "valve/valves");
  EXPECT_TRUE(w.parenthesised);
  EXPECT_EQ(w.kind, K::Word);
  EXPECT_EQ(MarkerTextFromF(w), "valve(s)");
  EXPECT_EQ(Plan(Finding("box(es):| 0")).A, "box/boxes");
  EXPECT_EQ(Plan(Finding("battery(ies):| 0")).A, "battery/batteries");
  EXPECT_EQ(Plan(Finding("x(abcd):| 0")).A, "x/x");
}

TEST(MarkKey, SlashLosesItsAdvice) {
  MarkWork w = Plan(Finding("/:| 0!or"));
  EXPECT_EQ(w.F, "/");
  EXPECT_EQ(w.A, "");
}

TEST(MarkKey, NumbersWithDots) {
  MarkWork w = Plan(Finding("10.mm:| 0"));
  EXPECT_EQ(w.kind, K::Word);
  EXPECT_TRUE(w.hyphenate);
  EXPECT_TRUE(w.wordDots);
  EXPECT_FALSE(w.keepDots);
  EXPECT_EQ(MarkerTextFromF(w), "10 mm");
  MarkWork w2 = Plan(Finding("1.5.in:| 0"));
  EXPECT_TRUE(w2.keepDots);
  EXPECT_EQ(MarkerTextFromF(w2), "1-5 in");
}

TEST(MarkKey, Possessive) {
  MarkWork w = Plan(Finding("pump..:| 0", K::Possessive, 10));
  EXPECT_EQ(w.S, "pump..");
  EXPECT_EQ(w.F, "pump's");
  EXPECT_EQ(w.backwardMode, 0);
  EXPECT_EQ(MarkerTextFromF(w), "pump's");
}

TEST(MarkKey, ContractionSearchesAnyApostrophe) {
  MarkWork w = Plan(Finding("don?t:| 0!do not", K::Contraction, 10));
  EXPECT_EQ(w.S, "don.t");
  EXPECT_EQ(w.findF, "don.t");
  EXPECT_EQ(w.F, "don't");
  EXPECT_EQ(w.backwardMode, 1);
  EXPECT_EQ(w.A, "do not");
}

TEST(MarkKey, ApostropheCategoryOtherKindsWidenTheSearch) {
  MarkWork w = Plan(Finding("ab.cd..e:| 0", K::Replacement, 10));
  EXPECT_EQ(w.S, "ab.cd..e..");
  EXPECT_EQ(w.backwardMode, 7);
  // A kind that already searches forward and back keeps its search.
  EXPECT_EQ(Plan(Finding("pumps:| 0", K::Replacement, 10)).S, "pumps");
}

TEST(MarkKey, SentenceLengthSearchesTheFirstWord) {
  MarkWork w = Plan(Finding("Remove.all:|31", K::Word, 28));
  EXPECT_EQ(w.S, "Remove");
  EXPECT_EQ(w.F, "Remove");
  MarkWork c = Plan(Finding("It?s:|31", K::Word, 28));
  EXPECT_EQ(c.S, "It.s");
  EXPECT_EQ(c.F, "It");
  EXPECT_EQ(c.backwardMode, 1);
}

TEST(MarkKey, LeadingQuestionMarkAndComma) {
  MarkWork q = Plan(Finding("?:| 0!", K::Word));
  EXPECT_EQ(q.S, "?");
  EXPECT_EQ(q.F, "?");
  MarkWork c = Plan(Finding(",.wh:| 0!", K::CommaTag, 18));
  EXPECT_EQ(c.F, ",");
  EXPECT_EQ(c.kind, K::OneWord);
  EXPECT_EQ(c.S, ",.wh");
}

TEST(MarkKey, ArticleCorrection) {
  MarkWork w;
  w.S = "AN-ITEM?x";
  ArticleCorrection fix = ArticleFix(w);
  EXPECT_EQ(fix.search, "AN.ITEM");
  // Only the article goes in after the words found: "AN-ITEM" keeps its hyphen.
  EXPECT_EQ(fix.insert, " THE");
  w.S = "a-b?";
  w.keepDots = true;
  fix = ArticleFix(w);
  EXPECT_EQ(fix.search, "a.b");
  EXPECT_EQ(fix.insert, " the");
  EXPECT_EQ(DotsForBlanksAndHyphens("a b-c"), "a.b.c");
}

TEST(MarkKey, FindText) {
  EXPECT_EQ(FindText("a@b"), "a.b");
  EXPECT_EQ(FindText("Don?t"), "Don.t");
  EXPECT_EQ(FindText("?"), "?");
  EXPECT_EQ(FindText("why.?"), "why.?");
}

TEST(MarkKey, EscapedSeparatorsBelongToTheText) {
  MarkWork w;
  ASSERT_EQ(ReadMarkKey(Finding("10\\:30:| 0!at 10\\:30\\!"), w), KeyReading::Search);
  EXPECT_EQ(w.S, "10:30");
  EXPECT_EQ(w.A, "at 10:30!");
}

// Odd keys never read outside their text.
TEST(MarkKey, ArbitraryKeysAreSafe) {
  const char alphabet[] = "ab.:!?(-)/ ,1N";
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    std::string key;
    int n = static_cast<int>(rng() % 12);
    for (int j = 0; j < n; ++j) key += alphabet[rng() % (sizeof alphabet - 1)];
    for (FindingKind kind : {K::Word, K::Correction, K::Possessive, K::Contraction, K::ItIs,
                              K::SentenceArticle, K::OneWord}) {
      for (int category : {8, 10, 28, 1}) {
        MarkInput in = Finding(key, kind, category);
        MarkWork w;
        if (ReadMarkKey(in, w) != KeyReading::Search) continue;
        if (w.kind == K::Correction) {
          ArticleFix(w);
          continue;
        }
        ApplyLeadingKeyChar(in, w);
        RefineSearch(in, w);
        MarkerTextFromF(w);
      }
    }
  }
}

}  // namespace
