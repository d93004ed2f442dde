// Rules of "am", "is", "are", "was" and "were" inside a sentence: the
// number they leave for later words, agreement with the subject, the
// passive, and the phrases after the form.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "engine/sentence_measures.h"
#include "rules/main/be_have_parts.h"
#include "rules/main/is_tables.h"

namespace {

// A passive construction measured from the form: three words or more.
std::optional<Walk> PassiveSpan(RuleContext& c) {
  WordRec* w = c.word;
  const int count = c.state.sentenceWordCount;
  if (w->sentencePos + 4 >= count) return std::nullopt;
  const int span = MeasurePassiveSpan(w, count);
  if (span != 3 && span != 4) return std::nullopt;
  w->entryWords = span;
  SetWordMessage(w, Msg::PassiveVoice, span == 3 ? 4641 : 4642);
  return Walk::SkipCovered;
}

}  // namespace

Walk ApplyIsRules(RuleContext& c) {
  WordRec* w = c.word;
  SentenceStateRec& s = c.state;
  s.subjectSeen = -1;
  s.lastVerbClass = Cls::VerbEd;
  s.subjectNumber = IsPluralForm(*w) ? 1 : 0;
  if (c.n1().wordClass == Cls::Verb) {
    SetWordMessage(w, Msg::Translation, 4612);
    return Walk::Next;
  }
  if (auto o = ApplyFirstMatch(c, IsBeforePassiveRows())) return *o;
  if (auto o = PassiveSpan(c)) return *o;
  if (auto o = ApplyFirstMatch(c, IsAfterPassiveRows())) return *o;
  if (!c.N(1)) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, IsLetterRows(c.n1().text.first()))) return *o;
  return Walk::Next;
}
