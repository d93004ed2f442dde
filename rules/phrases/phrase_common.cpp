#include "rules/phrases/phrase_common.h"

#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/rule_text.h"

namespace {

// The record after `w`, unless `w` is missing or the sentinel.
WordRec* After(WordRec* w) { return AtEnd(w) ? nullptr : Next(w); }

const WordRec& Or(const WordRec* w) { return w ? *w : NoWord(); }

}  // namespace

PhraseWords::PhraseWords(WordRec* trigger)
    : w(trigger),
      n1p(Next(trigger)),
      n2p(After(n1p)),
      n3p(After(n2p)),
      p1p(trigger && trigger->sentencePos > 0 ? Prev(trigger) : nullptr),
      p2p(trigger && trigger->sentencePos > 1 ? Prev(trigger, 2) : nullptr),
      n1(Or(n1p)),
      n2(Or(n2p)),
      n3(Or(n3p)),
      p1(Or(p1p)),
      p2(Or(p2p)) {}

void GiveFinding(const PhraseWords& pw, WordRec* target, int code, int ruleId, const Outcome& o) {
  if (!target || IsSentinel(target)) return;
  target->entryWords = o.covers;
  if (o.suggestion) WriteSuggestion(target, o.suggestion);
  if (o.verbForm) target->verbForm = o.verbForm;
  if (o.separatorFlag) target->separatorFlag = o.separatorFlag;
  if (o.extraFlag) target->extraFlag = o.extraFlag;
  if (o.tag) CopyTag(target, o.tag);
  SetWordMessage(target, code, ruleId);
  if (target == pw.w && o.covers > 1) SkipCoveredWords(target);
}

bool TextMatches(const WordRec& w, std::string_view list) {
  std::string_view text = w.text.view();
  while (!list.empty()) {
    std::size_t bar = list.find('|');
    std::string_view item = list.substr(0, bar);
    list = bar == std::string_view::npos ? std::string_view() : list.substr(bar + 1);
    if (!item.empty() && item.back() == '*') {
      item.remove_suffix(1);
      if (text.substr(0, item.size()) == item && !item.empty()) return true;
    } else if (text == item) {
      return true;
    }
  }
  return false;
}
