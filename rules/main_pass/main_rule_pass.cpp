#include "rules/main_pass/main_rule_pass.h"

#include "engine/ascii_text.h"
#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/sentence_measures.h"
#include "module/app_settings.h"
#include "rules/common/rule_context.h"
#include "rules/main_pass/class_dispatch.h"
#include "rules/main_pass/sentence_length.h"
#include "rules/main_pass/sentence_state.h"

namespace {

// Rule id of the repeated-word finding.
constexpr int kRepeatedWordRule = 9125;

// The class of the text's first word, as the sentence kind reads it; a
// marked neutral first word becomes a noun.
int NormalisedSentenceKind(WordRec* head) {
  switch (head->wordClass) {
    case 13:
    case 15:
    case 16:
    case 17:
    case 45:
    case 64:
      return 10;
    case 40:
      if (IsMarked(*head)) {
        head->wordClass = head->lastLetter == 's' ? 11 : 10;
        return head->wordClass;
      }
      return 40;
    default:
      return head->wordClass;
  }
}

}  // namespace

void StartMainPass(WordRec* head, SentenceStateRec& s) {
  s.ResetForPass();
  const int kind = NormalisedSentenceKind(head);
  s.sentenceKind = kind;
  head->sentenceEnd = 0;
  head->sentenceLength = 0;
  // Counted as a later sentence is: there the mark before the sentence
  // counts it, itself included, so the first sentence counts one more than
  // its words, and a sentence gets the same rules wherever it stands.
  s.sentenceWordCount = CountSentenceWords(head, 0) + 1;
  HoldSentenceLengths(head);
  if (kind < 20) {
    s.subjectNumber = (kind == 11 || kind == 19) ? 1 : 0;
    s.subjectSeen = 1;
  }
}

bool CheckRepeatedWord(WordRec* w) {
  const WordRec* n = Next(w);
  if (!n || w->length <= 1 || w->tokenKind != 0 || n->markFlag != '0') return false;
  if (!IsAsciiLetter(w->written.first()) || w->written.view() != n->written.view()) return false;
  // "plug-in in", "in in-line": the word is not written twice.
  if (IsCompoundPart(w) || IsCompoundPart(n)) return false;
  SetWordMessage(w, Msg::Delete, kRepeatedWordRule);
  return true;
}

int ApplyMainRules(WordRec* head) {
  if (AtEnd(head)) return 1;
  StartMainPass(head, SentenceState);

  RuleContext c{.word = head, .head = head, .state = SentenceState,
                .steDictionary = Settings.app.steDictionary};
  for (WordRec* w = head; !AtEnd(w); w = w->next) {
    if (HasFinding(*w)) continue;
    if (CheckRepeatedWord(w)) {
      w = StepOn(w);
      continue;
    }
    c.word = w;
    const Walk outcome = DispatchMainClass(c);
    w = ResumeWord(c, outcome);
  }
  return 1;
}
