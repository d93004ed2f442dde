#pragma once
// From the counts of a check to the score, the sigma level, the traffic
// colour and the texts of the quality stamp.
#include <string>

#include "platform/clock.h"

// Findings per hundred words, 12 more when sentences average over 21
// words; kept in single precision. A document without words or without
// findings scores 0: long sentences only weigh on findings, so that a
// document without findings is never rated below one with findings.
float QualityScore(int errorCount, int wordCount, int averageSentenceLength);

// The sigma level of a score: 6 below 3.0, 5 up to 5.0, 4 up to 7.0, 3 up to
// 10.0, 2 up to 25.0, 1 above.
int QualityLevelOf(float score);

// 1 GREEN for level 6, 4 BLUE for 5, 2 AMBER for 4 and 3, 3 RED otherwise.
int TrafficColourOf(int level);

// The stamp's text part for a sigma level ("KESSTA STE=green:SIX SIGMA")
// and for a traffic colour ("KESSTA Traffic Light=BLUE"; "" for none).
const char* SigmaPiText(int level);
const char* TrafficPiText(int colour);

// "#day:month:year-hour:minute-CODE", no leading zeros.
std::string QualityDateStamp(const LocalTime& time, const std::string& wordListCode);
