// The parts the noun blocks share: the subject, the noun cluster, the
// dotted form, and the guard of the words a cluster covers.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/sentence_measures.h"
#include "rules/common/words.h"
#include "rules/main/noun_parts.h"

namespace nouns {

namespace {

bool Plural(int wordClass) { return wordClass == Cls::NounPlural || wordClass == Cls::NomenclaturePlural; }

}  // namespace

void NoteSubject(RuleContext& c) {
  if (c.state.subjectSeen >= 0) return;
  c.state.subjectSeen = 1;
  c.state.subjectNumber = Plural(c.word->wordClass) ? 1 : 0;
}

bool CoveredByEarlierFinding(const RuleContext& c) {
  for (int k = 1; k <= 3; ++k) {
    const WordRec* p = c.P(k);
    if (!p) return false;
    if ((p->message > 299 || p->subClass > 299) && p->entryWords > k) return true;
    if (p->sentencePos <= 0) return false;  // findings do not reach over a sentence start
  }
  return false;
}

std::optional<Walk> ClusterStep(RuleContext& c, const ClusterRules& rules) {
  WordRec* w = c.word;
  const WordRec* n = c.N(1);
  if (AtEnd(n) || !kNounClasses.Has(n->wordClass) || n->markFlag != '0') return std::nullopt;
  const int length = MeasureNounCluster(w);
  if (length < 1 || length > 4) return std::nullopt;
  const int ids[] = {rules.one, rules.two, rules.three, rules.four};
  const int rule = ids[length - 1];
  if (rule == 0 || (length == 2 && !rules.twoHolds(c))) return std::nullopt;
  if (rule == kSilent) {
    w->entryWords = 1;
    w->suggestion.clear();
    c.state.subjectNumber = 0;
    return Walk::Next;
  }
  const WordRec* last = Next(w, length - 1);
  w->subClass = 0;
  w->message = 0;
  w->suggestion.clear();
  if (rules.clearTag) w->tag.clear();
  w->entryWords = length;
  c.state.subjectNumber = last->wordClass == Cls::NomenclaturePlural ? 1 : 0;
  if (length == 2 || length == 3)
    FormatSuggestion(w, "(Suggest <- %s ...for)", last->written.c_str());
  else if (length == 4)
    FormatSuggestion(w, "(Suggest <- %s ... for)", last->written.c_str());
  SetWordMessage(w, Msg::WordCluster, rule);
  // Three nouns: the walk goes on inside the cluster (its covered words
  // then give no finding of their own, see CoveredByEarlierFinding).
  return (length == 2 || length == 4) ? Walk::SkipCovered : Walk::Next;
}

void DottedForm(WordRec* w) {
  pass::ClearCodes(w);
  if (w->text.length() > 5 && w->text.endsWith("(s)")) w->text.truncate(w->text.length() - 3);
  // The length follows the text it measures.
  w->length = static_cast<int>(w->text.length());
  FormatSuggestion(w, "the %s", w->written.c_str());
  SetWordMessage(w, Msg::Punctuation, 3156);
}

}  // namespace nouns
