#include "rules/engine_passes.h"

#include "engine/ascii_text.h"
#include "engine/collect_messages.h"
#include "engine/compound_words.h"
#include "engine/dict_lookup.h"
#include "engine/entity_table.h"
#include "engine/finish_messages.h"
#include "engine/lookup_state.h"
#include "engine/message_list.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/second_rules.h"
#include "engine/sentence_pass.h"
#include "engine/word_class_resolution.h"
#include "rules/main_pass/main_rule_pass.h"
#include "rules/main_pass/sentence_length.h"

using pass::Reclass;

namespace {

// A slash or hyphen the word writes itself. One inside a name written as a
// reference ("&masq-gw;") joins no words: the name is one word, and no
// piece of it is looked up or split off.
bool HasSlashOrHyphen(const WordRec& w) {
  for (const char* q = w.written.c_str(); *q;) {
    if (const std::size_t name = *q == '&' ? NameReferenceLength(q) : 0) {
      q += name;
      continue;
    }
    if (*q == '/' || *q == '-') return true;
    ++q;
  }
  return false;
}

// A word of the document check that no dictionary holds.
void ClassifyDocumentWord(WordRec* w, WordRec* head) {
  const auto& T = w->text;
  if (T[0] == '<') {
    Reclass(w, 40, "D****");
    return;
  }
  if (IsDigit(T[0])) {
    Reclass(w, 49, "S08**");
    if (T.length() > 2) {
      const char last = T.last();
      if (last == 'V') w->wordClass = 17;
      if (last == '"' || last == '\x94') w->classCode.set(3, 'I');
    }
    return;
  }
  if (!HasSlashOrHyphen(*w)) return;
  if (T.length() > 2 && (T[0] == '-' || T[0] == '/' || T[1] == '-' || T.last() == '-')) {
    Reclass(w, 40, "D****");
    return;
  }
  CheckCompoundWord(w, head);
}

// A word of the selection check that no dictionary holds.
void ClassifySelectionWord(WordRec* w, WordRec* head) {
  const auto& T = w->text;
  if (!HasSlashOrHyphen(*w) || w->length < 3) return;
  if (T[0] == '-' || T[1] == '-' || T[2] == '-' || T.last() == '-' || T[0] == '/' || T[0] == '<') {
    Reclass(w, 40, "D****");
    return;
  }
  CheckCompoundWord(w, head);
}

bool IsAmbiguousClass(const WordRec& w) {
  switch (w.classCode[0]) {
    case 'G': case 'J': case 'K': case 'P': case 'X': case 'Y': case 'Z':
      return true;
    default:
      return false;
  }
}

}  // namespace

void ClassifyWords(WordRec* head, CheckScope scope) {
  const DeferredRenumbering deferred;
  for (WordRec* w = head; !AtEnd(w); w = w->next) {
    RenumberReached(w);
    const char first = w->written[0];
    if (first == '\0' || first == ' ' || (scope == CheckScope::Document && first == '\n')) continue;
    if (scope == CheckScope::Selection && IsDigit(w->text[0])) {
      Reclass(w, IsAsciiLetter(w->text[1]) ? 40 : 49, "S08**");
      continue;
    }
    // A multi-word entry frees the records it takes in: read next afterwards.
    if (LookupWord(w, 3, CheckMode, 0) == kLookupFound) continue;
    if (scope == CheckScope::Document)
      ClassifyDocumentWord(w, head);
    else
      ClassifySelectionWord(w, head);
  }
}

void RunRulePasses(CheckScope scope) {
  WordRec* head = WordList.head;
  if (!MessageList.Empty()) MessageList.Clear();
  if (!head) return;
  ClassifyWords(head, scope);
  RunSentencePass();
  for (WordRec* w = head; !AtEnd(w); w = w->next)
    if (IsAmbiguousClass(*w)) ResolveWordClass(w);
  ApplyMainRules(head);
  ApplySecondRules(head);
  FinishMessages(head);
  GiveHeldSentenceLengths(head);
}

int RunEnginePasses(CheckScope scope) {
  RunRulePasses(scope);
  WordRec* head = WordList.head;
  if (!head) return 0;
  if (!MessageList.Empty()) MessageList.Clear();
  return CollectMessages(head);
}
