#pragma once
// Findings for the marking tests, written straight into the findings list.
#include <algorithm>
#include <cctype>
#include <string>

#include "commands/mark_plan.h"
#include "engine/message_list.h"
#include "engine/tokenizer.h"

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
  rec.place = in.place;
  rec.nextPlace = in.nextPlace;
  rec.sentenceLength = in.sentenceLength;
  MessageList.records.push_back(rec);
}

// The text the check read, as the marking finds it: the body's markup and
// text, then the sentinel the reading appends.
inline void SetCheckedText(const std::string& text) { CheckedText.text = text + ". @@END"; }

// Adds a finding whose word is the first `word` of the checked text after
// the last finding's word ("must |remove": the word after the '|'); the
// word after it begins at the next letter or digit outside markup.
inline void AddFindingAt(MarkInput in, const std::string& word) {
  const std::string& text = CheckedText.text;
  const std::size_t bar = word.find('|');
  const std::string find = bar == std::string::npos ? word : word.substr(0, bar) + word.substr(bar + 1);
  const std::size_t from = MessageList.records.empty() ? 0 : static_cast<std::size_t>(MessageList.records.back().place) + 1;
  const std::size_t found = text.find(find, from);
  if (found != std::string::npos) {
    const std::size_t at = found + (bar == std::string::npos ? 0 : bar);
    in.place = static_cast<int>(at);
    std::size_t next = found + find.size();
    while (next < text.size() && !std::isalnum(static_cast<unsigned char>(text[next])))
      next = text[next] == '<' ? text.find('>', next) + 1 : next + 1;
    in.nextPlace = static_cast<int>(std::min(next, text.size()));
  }
  AddFinding(in);
}
