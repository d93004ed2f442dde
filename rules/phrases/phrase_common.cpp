#include "rules/phrases/phrase_common.h"

RuleContext PhraseContext(WordRec* trigger, SentenceStateRec& state) {
  return RuleContext{.word = trigger, .head = nullptr, .state = state, .prevInSentence = true};
}

void GiveRow(RuleContext& c, const RuleRow& row) { ResumeWord(c, ApplyRow(c, row)); }

bool GiveFirstRow(RuleContext& c, std::span<const RuleRow> rows) {
  const int i = FirstMatch(c, rows);
  if (i < 0) return false;
  GiveRow(c, rows[static_cast<std::size_t>(i)]);
  return true;
}

void GiveFinding(RuleContext& c, WordRec* target, int code, int ruleId, const Outcome& o) {
  if (!target || IsSentinel(target)) return;
  RuleRow row;
  row.suggestion = o.suggestion;
  row.tag = o.tag;
  row.verbForm = o.verbForm;
  row.separatorFlag = o.separatorFlag;
  row.extraFlag = o.extraFlag;
  row.covers = o.covers;
  row.code = code;
  row.ruleId = ruleId;
  const bool coversFollowers = target == c.word && o.covers > 1;
  row.outcome = coversFollowers ? Walk::SkipCovered : Walk::Next;
  ResumeWord(c, ApplyRowTo(c, row, target));
}
