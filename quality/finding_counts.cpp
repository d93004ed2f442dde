#include "quality/finding_counts.h"

#include "engine/neighbours.h"
#include "quality/quality_stats.h"

FindingCounts CountFindings(WordRec* head) {
  for (auto& slot : Quality.messageClassCounters) slot[0] = 0;
  FindingCounts counts;
  for (WordRec* w = head; !AtEnd(w); w = w->next) {
    if (w->wordClass == 48) ++counts.sentences;
    if (w->message <= 0 && w->message2 <= 0) continue;
    ++counts.errors;
    if (w->message == 0) {
      w->message = w->message2;
      w->message2 = 0;
    }
    if (w->message == w->message2) {
      w->message2 = 0;
      w->subClass = w->message;
    }
    if (w->message >= 300 && w->message <= 338) ++Quality.messageClassCounters[w->message - 300][0];
  }
  return counts;
}

int AverageSentenceLength(int wordCount, int sentences) {
  return sentences > 0 ? wordCount / sentences : 0;
}
