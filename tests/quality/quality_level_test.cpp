// The score, the sigma level and the traffic colour at each band edge, and
// the texts of the quality stamp.
#include <gtest/gtest.h>

#include "engine/word_rec.h"
#include "quality/finding_counts.h"
#include "quality/quality_level.h"
#include "quality/quality_stats.h"
#include "tests/support/word_list_fixture.h"

namespace {

TEST(QualityLevel, ScoreAndLevelAtEachBandEdge) {
  struct Case {
    int errors, words, average;
    float score;
    int level;
    int colour;
  };
  const Case cases[] = {
      {2, 1000, 22, 12.2f, 2, 3},      // long sentences add 12
      {2, 1000, 21, 0.2f, 6, 1},       // 21 is not over 21
      {29, 1000, 10, 2.9f, 6, 1},
      {295, 10000, 10, 2.95f, 6, 1},   // between 2.9 and 3.0: no longer level-less
      {3, 100, 10, 3.0f, 5, 4},
      {5, 100, 10, 5.0f, 5, 4},
      {51, 1000, 10, 5.1f, 4, 2},
      {7, 100, 10, 7.0f, 4, 2},
      {71, 1000, 10, 7.1f, 3, 2},
      {10, 100, 10, 10.0f, 3, 2},
      {101, 1000, 10, 10.1f, 2, 3},
      {25, 100, 10, 25.0f, 2, 3},
      {251, 1000, 10, 25.1f, 1, 3},
      {0, 0, 0, 0.0f, 6, 1},           // no words: no division by zero
      {3, 0, 0, 0.0f, 6, 1},
      {0, 1000, 22, 0.0f, 6, 1},       // no findings: long sentences add nothing
      {0, 26, 26, 0.0f, 6, 1},
      {1, 26, 26, 15.846154f, 2, 3},
  };
  for (const Case& c : cases) {
    float score = QualityScore(c.errors, c.words, c.average);
    EXPECT_FLOAT_EQ(score, c.score) << c.errors << "/" << c.words;
    EXPECT_EQ(QualityLevelOf(score), c.level) << c.errors << "/" << c.words;
    EXPECT_EQ(TrafficColourOf(c.level), c.colour) << c.errors << "/" << c.words;
  }
}

TEST(QualityLevel, StampTexts) {
  // Levels out of range read as one sigma; colours out of range have no text.
  const std::pair<int, const char*> sigma[] = {{3, "KESSTA STE=amber:THREE SIGMA"}, {4, "KESSTA STE=amber:FOUR SIGMA"},
                                               {5, "KESSTA STE=green:FIVE SIGMA"}, {6, "KESSTA STE=green:SIX SIGMA"},
                                               {7, "KESSTA STE=red:ONE SIGMA"}};
  for (const auto& [level, text] : sigma) EXPECT_STREQ(SigmaPiText(level), text) << level;
  const std::pair<int, const char*> traffic[] = {{0, ""}, {4, "KESSTA Traffic Light=BLUE"}, {5, ""}};
  for (const auto& [colour, text] : traffic) EXPECT_STREQ(TrafficPiText(colour), text) << colour;
  EXPECT_EQ(QualityDateStamp(LocalTime{2026, 12, 6, 14, 5, 0}, "ABCD"), "#6:12:2026-14:5-ABCD");
  EXPECT_EQ(QualityDateStamp(LocalTime{2027, 1, 31, 0, 0, 0}, "DEF1XY"), "#31:1:2027-0:0-DEF1");
}

TEST(FindingCounts, CountsNormalisesAndTallies) {
  TestWords words({{"Glorp", 40, nullptr, "msg=325"},
                   {"only2", 40, nullptr, "msg2=330"},
                   {"same", 40, nullptr, "msg=311 msg2=311"},
                   {"high", 40, nullptr, "msg=339"},
                   {"both", 40, nullptr, "msg=300 msg2=328"},
                   {"clean", 40},
                   {".", 48},
                   {"next", 40, nullptr, "msg=325"},
                   {".", 48}});
  Quality.messageClassCounters[5][0] = 9;  // an earlier score's count goes
  FindingCounts counts = CountFindings(words.head());
  EXPECT_EQ(counts.errors, 6);
  EXPECT_EQ(counts.sentences, 2);
  EXPECT_EQ(words["only2"]->message, 330);
  EXPECT_EQ(words["only2"]->message2, 0);
  EXPECT_EQ(words["same"]->message2, 0);
  EXPECT_EQ(words["same"]->subClass, 311);
  EXPECT_EQ(words["both"]->message2, 328);
  int expected[kClassCounterSlots] = {};
  expected[0] = 1;
  expected[11] = 1;
  expected[25] = 2;
  expected[30] = 1;
  for (int k = 0; k < kClassCounterSlots; ++k) EXPECT_EQ(Quality.messageClassCounters[k][0], expected[k]) << k;
  Quality.Reset();
}

TEST(FindingCounts, AverageSentenceLengthWithoutASentenceEnd) {
  EXPECT_EQ(AverageSentenceLength(125, 12), 10);
  EXPECT_EQ(AverageSentenceLength(40, 0), 0);  // no sentence to divide by
  EXPECT_EQ(AverageSentenceLength(0, 0), 0);
}

}  // namespace
