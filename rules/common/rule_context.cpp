#include "rules/common/rule_context.h"

#include "engine/covered_words.h"
#include "engine/pass_marks.h"

// Within the word's block, as Next reads it, and never past the sentinel.
WordRec* RuleContext::N(int k) const {
  WordRec* p = word;
  for (int i = 0; p && i < k; ++i) {
    if (i > 0 && p->endsBlock) return nullptr;
    p = IsSentinel(p) ? nullptr : p->next;
  }
  return p;
}

WordRec* RuleContext::P(int k) const {
  if (!word || (prevInSentence && word->sentencePos < k)) return nullptr;
  return Prev(word, k);
}

WordRec* RuleContext::At(On which) const {
  switch (which) {
    case On::Word: return word;
    case On::P1: return P(1);
    case On::P2: return P(2);
    case On::N1: return N(1);
    case On::N2: return N(2);
    case On::N3: return N(3);
  }
  return nullptr;
}

WordRec* StepOn(WordRec* w) { return AtEnd(w) || !w->next ? w : w->next; }

WordRec* ResumeWord(RuleContext& c, Walk outcome) {
  WordRec* w = c.word;
  if (!w) return w;
  WordRec* next = AtEnd(w) ? nullptr : w->next;
  const bool nextIsWord = next && !IsSentinel(next);
  switch (outcome) {
    case Walk::Next:
      return w;
    case Walk::PassNext:
      return StepOn(w);
    case Walk::PassTwo:
      return StepOn(StepOn(w));
    case Walk::SkipCovered:
      return SkipCoveredWords(w);
    case Walk::Clear:
      pass::ClearCodes(w);
      return w;
    case Walk::ClearNext:
      if (nextIsWord) pass::ClearCodes(next);
      return w;
    case Walk::NeutralNext:
      if (nextIsWord) next->wordClass = 40;
      return StepOn(w);
    case Walk::Neutral:
      w->wordClass = 40;
      return w;
  }
  return w;
}
