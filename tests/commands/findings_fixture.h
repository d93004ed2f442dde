#pragma once
// Findings for the marking tests, written straight into the findings list.
#include "commands/mark_plan.h"
#include "engine/message_list.h"

inline void AddFinding(const MarkInput& in) {
  MessageRec rec;
  rec.category = in.category;
  rec.markerNumber = in.markerNumber;
  rec.ruleId = in.ruleId;
  rec.markMode = in.markMode;
  rec.kind = KindLetters(in.kind);
  rec.searchKey = in.searchKey;
  rec.altWord = in.altWord;
  rec.suggestion = in.suggestion;
  MessageList.records.push_back(rec);
}
