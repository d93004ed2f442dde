#pragma once
// Counting a finished check for the quality score.
#include "engine/word_rec.h"

struct FindingCounts {
  int errors = 0;     // words with a finding
  int sentences = 0;  // sentence ends (class 48)
};

// Walks the list to the sentinel: counts sentence ends and words with a
// finding, moves a finding that only message2 holds into message (a word
// whose two codes are equal keeps one), and tallies each code 300..338 in
// Quality.messageClassCounters, whose counts it zeroes first.
FindingCounts CountFindings(WordRec* head);

// Words per sentence; 0 for a text without a sentence end, which has no
// sentences to measure.
int AverageSentenceLength(int wordCount, int sentences);
