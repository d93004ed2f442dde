// Interim: the engine passes of a check until the shared pipeline is merged.
#include "engine/collect_messages.h"
#include "engine/dict_lookup.h"
#include "engine/finish_messages.h"
#include "engine/message_list.h"
#include "engine/second_rules.h"
#include "engine/sentence_pass.h"
#include "engine/word_class_resolution.h"
#include "rules/engine_passes.h"
#include "rules/main_rule_pass.h"

void ClassifyWords(WordRec* head, CheckScope) {
  for (WordRec* w = head; w && !w->written.startsWith(kSentinel); w = w->next) {
    char first = w->written[0];
    if (first == '\0' || first == '\n' || first == ' ') continue;
    if (LookupWord(w, 3, 2, 0) == 99) continue;
    if (w->text[0] == '<' || (w->text[0] >= '0' && w->text[0] <= '9')) {
      w->subClass = w->message = w->message2 = 0;
      w->wordClass = w->text[0] == '<' ? 40 : 49;
      w->classCode = w->text[0] == '<' ? "D****" : "S08**";
    }
  }
}

int RunEnginePasses(CheckScope scope) {
  WordRec* head = WordList.head;
  ClassifyWords(head, scope);
  RunSentencePass();
  for (WordRec* w = head; w && !w->written.startsWith(kSentinel); w = w->next) {
    switch (w->classCode[0]) {
      case 'G': case 'J': case 'K': case 'P': case 'X': case 'Y': case 'Z':
        ResolveWordClass(w);
        break;
      default:
        break;
    }
  }
  ApplyMainRules(head);
  ApplySecondRules(head);
  FinishMessages(head);
  MessageList.Clear();
  return head ? CollectMessages(head) : 0;
}
