// The findings list as the marking reads it.
#include "commands/findings_view.h"

#include "engine/message_list.h"

std::size_t FindingCount() { return MessageList.Count(); }

void ClearFindings() { MessageList.Clear(); }

void SetLastFindingMarkMode(int markMode) {
  if (!MessageList.Empty()) MessageList.records.back().markMode = markMode;
}

void WalkFindings(const std::function<bool(const MarkInput&, int& markMode)>& visit) {
  std::vector<MessageRec>& records = MessageList.records;
  for (std::size_t i = 0; i < records.size(); ++i) {
    MessageRec& rec = records[i];
    MarkInput in;
    in.category = rec.category;
    in.markerNumber = rec.markerNumber;
    in.ruleId = rec.ruleId;
    in.markMode = rec.markMode;
    in.kind = KindOfLetters(rec.kind.view());
    in.searchKey = rec.searchKey;
    in.altWord = rec.altWord;
    in.suggestion = rec.suggestion;
    in.place = rec.place;
    in.nextPlace = rec.nextPlace;
    in.sentenceLength = rec.sentenceLength;
    if (i + 1 < records.size()) in.followingPlace = records[i + 1].place;
    if (!visit(in, rec.markMode)) return;
  }
}
