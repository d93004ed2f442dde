#include "commands/mark_plan.h"
#include "commands/text_places.h"

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

// The reading of one key: search text S, found text F, advice A, the
// backward mode and the marker's text (null or -1: not checked).
TEST(MarkKey, KeyReadings) {
  const struct {
    const char* key;
    FindingKind kind;
    int category;
    const char *S, *F, *A;
    int backward;
    const char* text;
  } rows[] = {
      {"in.order:|12!to", K::Word, 25, "in.order", nullptr, "to", 7, "in order"},
      {"frobnicate:| 0", K::Word, 25, "frobnicate", nullptr, "", -1, "frobnicate"},
      {"valve(s):| 0", K::Word, 25, "valve.s.", nullptr, "valve/valves", -1, "valve(s)"},
      {"box(es):| 0", K::Word, 25, nullptr, nullptr, "box/boxes", -1, nullptr},
      {"battery(ies):| 0", K::Word, 25, nullptr, nullptr, "battery/batteries", -1, nullptr},
      {"x(abcd):| 0", K::Word, 25, nullptr, nullptr, "x/x", -1, nullptr},
      // A parenthesis after a blank is text: the words keep their advice.
      {"two.(2):| 0!two", K::Word, 8, "two.(2)", nullptr, "two", 7, "two (2)"},
      // The word after an article to put in is no word of the search.
      {"turn?valve(s):|00|", K::Correction, 11, "turn?valve(s)", nullptr, "", -1, nullptr},
      {"/:| 0!or", K::Word, 25, nullptr, "/", "", -1, nullptr},  // a slash loses its advice
      {"10.mm:| 0", K::Word, 25, nullptr, nullptr, nullptr, -1, "10 mm"},
      {"1.5.in:| 0", K::Word, 25, nullptr, nullptr, nullptr, -1, "1-5 in"},
      {"pump..:| 0", K::Possessive, 10, "pump..", "pump's", nullptr, 0, "pump's"},
      // A contraction searches any apostrophe.
      {"don?t:| 0!do not", K::Contraction, 10, "don.t", "don't", "do not", 1, nullptr},
      // Other kinds of the apostrophe category widen the search, unless they
      // already search forward and back.
      {"ab.cd..e:| 0", K::Replacement, 10, "ab.cd..e..", nullptr, nullptr, 7, nullptr},
      {"pumps:| 0", K::Replacement, 10, "pumps", nullptr, nullptr, -1, nullptr},
      // Sentence length searches the first word, a contraction whole.
      {"Remove.all:|31", K::Word, 28, "Remove", "Remove", nullptr, -1, nullptr},
      {"It?s:|31", K::Word, 28, "It.s", "It's", nullptr, 1, "It's"},
      {"They?ll.r:|25", K::Word, 28, "They.ll", "They'll", nullptr, 1, "They'll"},
      {"?:| 0!", K::Word, 25, "?", "?", nullptr, -1, nullptr},
      {",.wh:| 0!", K::CommaTag, 18, ",.wh", ",", nullptr, -1, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.key);
    MarkWork w = Plan(Finding(row.key, row.kind, row.category));
    if (row.S) { EXPECT_EQ(w.S, row.S); }
    if (row.F) { EXPECT_EQ(w.F, row.F); }
    if (row.A) { EXPECT_EQ(w.A, row.A); }
    if (row.backward >= 0) { EXPECT_EQ(w.backwardMode, row.backward); }
    if (row.text) { EXPECT_EQ(MarkerTextFromF(w), row.text); }
  }
}

TEST(MarkKey, FlagsOfTheReading) {
  MarkWork w;
  ASSERT_EQ(ReadMarkKey(Finding("::| 0!(Check use of colons)/(Use a bulleted list)"), w), KeyReading::Search);
  EXPECT_EQ(w.S, ":");
  EXPECT_EQ(w.F, ":");
  EXPECT_EQ(w.A, "(Check use of colons)/(Use a bulleted list)");
  EXPECT_EQ(w.refineMode, 7);
  EXPECT_FALSE(w.markModeSix);
  EXPECT_TRUE(Plan(Finding("in.order:|12!to")).markModeSix);
  EXPECT_EQ(Plan(Finding("in.order:|12!to")).findF, "in.order");
  EXPECT_EQ(Plan(Finding("don?t:| 0!do not", K::Contraction, 10)).findF, "don.t");
  EXPECT_TRUE(Plan(Finding("valve(s):| 0")).parenthesised);
  w = Plan(Finding("10.mm:| 0"));
  EXPECT_TRUE(w.hyphenate);
  EXPECT_TRUE(w.wordDots);
  EXPECT_FALSE(w.keepDots);
  EXPECT_TRUE(Plan(Finding("1.5.in:| 0")).keepDots);
  EXPECT_EQ(Plan(Finding(",.wh:| 0!", K::CommaTag, 18)).kind, K::OneWord);
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

// Which corrections of the article rules become markers: an article put
// in after the word ('?'), "and" for a sign ("..."), an article changed or
// put before the word; any other correction goes in as it is.
TEST(MarkKey, ArticleCorrectionKinds) {
  const struct {
    const char* S;
    const char* A;
    ArticleCorrectionKind kind;
    FindingKind findingKind = K::Correction;
  } rows[] = {
      {"Remove?cover", "", ArticleCorrectionKind::Insertion},
      {"...valve", "and", ArticleCorrectionKind::And},
      {"a", "an", ArticleCorrectionKind::Change},
      {"An", "a", ArticleCorrectionKind::Change},
      {"plug", "the plug", ArticleCorrectionKind::Change},
      {"Metadata", "The metadata", ArticleCorrectionKind::Change},
      {"five", "5", ArticleCorrectionKind::None},
      {"the", "then", ArticleCorrectionKind::None},
      {"plug", "the plugs", ArticleCorrectionKind::None},
      // Only a correction changes an article; a marker finding does not.
      {"a", "an", ArticleCorrectionKind::None, K::Word},
  };
  for (const auto& row : rows) {
    MarkWork w;
    w.kind = row.findingKind;
    w.S = row.S;
    w.A = row.A;
    EXPECT_EQ(ArticleCorrectionOf(w), row.kind) << row.S << " " << row.A;
  }
}

TEST(MarkKey, FindText) {
  // One character of the word each: never a blank ("the &valve;'s").
  const std::string one(1, kWordCharWildcard);
  EXPECT_EQ(FindText("a@b"), "a" + one + "b");
  EXPECT_EQ(FindText("Don?t"), "Don" + one + "t");
  EXPECT_EQ(FindText("&masq-gw;s pump"), one + "s pump");
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
