#pragma once
// Module-wide statistics of the last quality score, read by the report
// dialogs until the next score overwrites them, and the lines of the
// traffic-light report.
#include <string>
#include <vector>

#include "platform/bounded_text.h"

inline constexpr int kClassCounterSlots = 40;

struct QualityStats {
  int errorCount = 0;             // word records with a finding
  int docWordCount = 0;           // the host's word count
  int reportWordCount = 0;        // the word count the reports show
  int averageSentenceLength = 0;  // words per sentence
  int qualityLevel = 0;           // sigma level 1..6, 6 best
  int trafficColour = 0;          // 1 GREEN, 2 AMBER, 3 RED, 4 BLUE
  // Slot k counts the findings of code 300 + k in its first int.
  int messageClassCounters[kClassCounterSlots][3] = {};
  BoundedText<48> qualityPiText;  // text part of the stamp
  // The green traffic light's report file, in the profile folder.
  std::string trafficReportFile;
  BoundedText<80> reportDateLine;
  BoundedText<80> reportAuthorLine;
  BoundedText<48> reportTodayLine;
  void Reset() { *this = QualityStats{}; }
};
extern QualityStats Quality;

// The lines of the not-found report, filled when the six-sigma dialog opens.
struct NotFoundListState {
  std::vector<std::string> entries;
  void Reset() { entries.clear(); }
};
extern NotFoundListState NotFoundList;
