// Rules of "have", "has", "had" and "having" inside a sentence: the number
// they leave for the agreement of later words, the agreement of "has", the
// perfect passive and the verb phrases built on them.
#include "engine/agreement.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "rules/main/be_have_parts.h"
#include "rules/main/has_tables.h"

namespace {

void ForgetSubject(SentenceStateRec& s) {
  s.subjectNumber = 0;
  s.lastVerbClass = Cls::VerbEd;
  s.subjectSeen = -1;
}

Walk HavingRules(RuleContext& c) {
  ForgetSubject(c.state);
  if (auto o = ApplyFirstMatch(c, HavingRows())) return *o;
  return Walk::Next;
}

}  // namespace

Walk ApplyHasRules(RuleContext& c) {
  WordRec* w = c.word;
  SentenceStateRec& s = c.state;
  s.lastVerbClass = Cls::VerbEd;
  s.subjectNumber = w->text[2] == 'v' ? 1 : 0;  // have, having
  if (TextIs(*w, "have")) return Walk::Next;
  if (TextIs(*w, "had") && c.p1().wordClass == Cls::FirstPerson) return Walk::Next;
  if (TextIs(*w, "having")) return HavingRules(c);

  if (auto o = ApplyFirstMatch(c, HasFirstRows())) return *o;
  if (TextIs(*w, "has")) {
    ForgetSubject(s);
    if (CheckAgreement(w, c.head, {.subjectNumber = s.subjectNumber, .skipAgreement = s.skipAgreement}) != 0) {
      SetWordMessage(w, Msg::Agreement, 5849);
      return Walk::Next;
    }
  }
  if (auto o = ApplyFirstMatch(c, HasPassiveRows())) return *o;
  if (TextIs(*w, "had")) ForgetSubject(s);
  if (auto o = ApplyFirstMatch(c, HasLaterRows())) return *o;
  return Walk::Next;
}
