// The findings list as the marking reads it.
#include "commands/findings_view.h"

#include "engine/message_list.h"

std::size_t FindingCount() { return MessageList.Count(); }

void ClearFindings() { MessageList.Clear(); }

void SetLastFindingMarkMode(int markMode) {
  if (!MessageList.Empty()) MessageList.records.back().markMode = markMode;
}

void WalkFindings(const std::function<bool(const MarkInput&, int& markMode)>& visit) {
  for (MessageRec& rec : MessageList.records) {
    MarkInput in;
    in.category = rec.category;
    in.markerNumber = rec.markerNumber;
    in.ruleId = rec.ruleId;
    in.markMode = rec.markMode;
    in.kind = KindOfLetters(rec.kind.view());
    in.searchKey = rec.searchKey;
    in.altWord = rec.altWord;
    in.suggestion = rec.suggestion;
    in.passOver = rec.passOver;
    if (!visit(in, rec.markMode)) return;
  }
}
