#include "rules/common/rule_row.h"

#include "engine/pass_marks.h"
#include "engine/rule_text.h"

namespace {

// A column on one word: empty columns hold, a missing word fails any other.
bool Holds(const WordRec* w, const Words& words, const Classes& classes) {
  if (words.Empty() && classes.Empty()) return true;
  if (!w) return false;
  if (!words.Empty() && !words.Has(*w)) return false;
  if (!classes.Empty() && !classes.Has(w->wordClass)) return false;
  return true;
}

}  // namespace

bool RowHolds(const RuleContext& c, const RuleRow& r) {
  return Holds(c.word, r.word, {}) && Holds(c.N(1), r.n1, r.n1Class) &&
         Holds(c.N(2), r.n2, r.n2Class) && Holds(c.N(3), r.n3, r.n3Class) &&
         Holds(c.P(1), r.p1, r.p1Class) && Holds(c.P(2), r.p2, r.p2Class) &&
         (!r.when || r.when(c));
}

int FirstMatch(const RuleContext& c, std::span<const RuleRow> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (RowHolds(c, rows[i])) return static_cast<int>(i);
  return -1;
}

Walk ApplyRow(RuleContext& c, const RuleRow& r) { return ApplyRowTo(c, r, c.At(r.on)); }

Walk ApplyRowTo(RuleContext& c, const RuleRow& r, WordRec* t) {
  if (r.clear) pass::ClearCodes(c.word);
  if (!t || IsSentinel(t)) return r.outcome;
  const bool finding = r.code != Msg::None || r.ruleId != 0;
  if (finding || r.covers != 1) t->entryWords = r.covers;
  if (r.suggestion) WriteSuggestion(t, r.suggestion);
  if (r.tag) CopyTag(t, r.tag);
  if (r.verbForm) t->verbForm = r.verbForm;
  if (r.separatorFlag) t->separatorFlag = r.separatorFlag;
  if (r.extraFlag) t->extraFlag = r.extraFlag;
  if (r.then) r.then(c, *t);
  if (finding) SetWordMessage(t, r.code, r.ruleId);
  return r.outcome;
}

std::optional<Walk> ApplyFirstMatch(RuleContext& c, std::span<const RuleRow> rows) {
  const int i = FirstMatch(c, rows);
  if (i < 0) return std::nullopt;
  return ApplyRow(c, rows[static_cast<std::size_t>(i)]);
}
