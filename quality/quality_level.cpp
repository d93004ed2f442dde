#include "quality/quality_level.h"

#include "platform/bounded_text.h"

float QualityScore(int errorCount, int wordCount, int averageSentenceLength) {
  // No words: nothing to find fault with, rather than a division by zero.
  // No findings: six sigma, as the report's praise says.
  if (wordCount <= 0 || errorCount <= 0) return 0.0f;
  double score = static_cast<double>(errorCount) / wordCount * 100.0;
  float kept = static_cast<float>(score);
  if (averageSentenceLength > 21) kept += 12;
  return kept;
}

int QualityLevelOf(float score) {
  const double s = score;
  // Every score gets a level: the bands meet, and what lies below the
  // five-sigma band (2.9 < s < 3.0 included) is six sigma.
  if (s < 3.0) return 6;
  if (s <= 5.0) return 5;
  if (s <= 7.0) return 4;
  if (s <= 10.0) return 3;
  if (s <= 25.0) return 2;
  return 1;
}

int TrafficColourOf(int level) {
  switch (level) {
    case 6: return 1;
    case 5: return 4;
    case 4:
    case 3: return 2;
    default: return 3;
  }
}

const char* SigmaPiText(int level) {
  switch (level) {
    case 6: return "KESSTA STE=green:SIX SIGMA";
    case 5: return "KESSTA STE=green:FIVE SIGMA";
    case 4: return "KESSTA STE=amber:FOUR SIGMA";
    case 3: return "KESSTA STE=amber:THREE SIGMA";
    case 2: return "KESSTA STE=red:TWO SIGMA";
    default: return "KESSTA STE=red:ONE SIGMA";
  }
}

const char* TrafficPiText(int colour) {
  switch (colour) {
    case 1: return "KESSTA Traffic Light=GREEN";
    case 2: return "KESSTA Traffic Light=AMBER";
    case 3: return "KESSTA Traffic Light=RED";
    case 4: return "KESSTA Traffic Light=BLUE";
    default: return "";
  }
}

std::string QualityDateStamp(const LocalTime& t, const std::string& wordListCode) {
  BoundedText<48> stamp;
  stamp.format("#%d:%d:%d-%d:%d-%.4s", t.day, t.month, t.year, t.hour, t.minute, wordListCode.c_str());
  return stamp.str();
}
