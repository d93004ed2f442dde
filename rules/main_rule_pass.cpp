#include "rules/main_rule_pass.h"

#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/sentence_measures.h"
#include "rules/sentence_state.h"

namespace {

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

// A first word written as a phrase ("as follows") carries the finding on
// its first word only.
void CutAtFirstBlank(WordRec* head) {
  std::size_t blank = head->written.view().find(' ');
  if (blank == std::string_view::npos) return;
  head->written.truncate(blank);
  head->length = static_cast<std::int32_t>(blank);
  head->text.truncate(blank);
  head->lastLetter = head->text.last();
}

bool HasFinding(const WordRec& w) { return w.message > 299 || w.message2 > 299 || w.subClass > 299; }

}  // namespace

int ApplyMainRules(WordRec* head) {
  SentenceState.ResetForPass();
  if (!head) return 1;

  const int kind = NormalisedSentenceKind(head);
  SentenceState.sentenceKind = kind;
  head->sentenceEnd = 0;
  head->sentenceLength = 0;
  SentenceState.sentenceWordCount = CountSentenceWords(head, 0);
  if (head->sentenceLength > 21) {
    head->entryWords = 1;
    CutAtFirstBlank(head);
    SetWordMessage(head, Msg::SentenceLength, 7655);
  }
  if (kind < 20) {
    SentenceState.subjectNumber = (kind == 11 || kind == 19) ? 1 : 0;
    SentenceState.subjectSeen = 1;
  }

  for (WordRec* w = head; !AtEnd(w); w = Next(w)) {
    if (HasFinding(*w)) continue;
    // The rules of the word classes come here.
  }
  return 1;
}
