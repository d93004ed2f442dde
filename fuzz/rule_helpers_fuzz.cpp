// Runs the rule helpers, the word-class resolution, the compound-word check,
// the phrase rules and the least main-rule pass over word lists built from
// arbitrary bytes: any classes, flags and texts, with or without the
// sentinel at the end. Nothing may read or write outside the list or a
// field.
//
// Layout: one byte of options (bit 0: end with the sentinel), one byte for
// the sentence word count, then records of 9 bytes each followed by their
// text: class, markFlag, splitKind, tokenKind, sentencePos, caseFlag,
// pluralMarker, weight, text length (at most 90).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/agreement.h"
#include "engine/compound_words.h"
#include "engine/covered_words.h"
#include "engine/neighbour_tests.h"
#include "rules/phrases/phrase_rules.h"
#include "engine/sentence_measures.h"
#include "engine/suggestion_builders.h"
#include "engine/word_class_resolution.h"
#include "rules/main_pass/main_rule_pass.h"
#include "rules/main_pass/sentence_state.h"

namespace {

constexpr std::size_t kMaxWords = 48;

void Append(WordRec* w) {
  if (!WordList.head) {
    WordList.head = WordList.tail = w;
    return;
  }
  WordList.tail->next = w;
  w->prev = WordList.tail;
  WordList.tail = w;
}

void Build(const std::uint8_t* data, std::size_t size, bool sentinel) {
  std::size_t i = 0;
  std::size_t words = 0;
  while (i + 9 <= size && words < kMaxWords) {
    const std::uint8_t* r = data + i;
    i += 9;
    const std::size_t len = r[8] % 91;
    std::string_view text(reinterpret_cast<const char*>(data + i), i + len <= size ? len : size - i);
    i += text.size();
    WordRec* w = NewWordRec();
    if (!w) break;
    w->text = text;
    w->written = text;
    w->length = static_cast<std::int32_t>(w->text.length());
    w->lastLetter = w->text.last();
    w->wordClass = r[0] % 100;
    static constexpr std::string_view kFamilies = "GJKPXYZNVADS";
    w->classCode = kFamilies.substr(r[0] % kFamilies.size(), 1);
    w->classCode.append("0****");
    w->markFlag = (r[1] & 1) ? '1' : '0';
    w->splitKind = "0469"[r[2] % 4];
    w->tokenKind = (r[3] & 1) ? 9 : 0;
    w->sentencePos = r[4] % 30;
    w->caseFlag = "012"[r[5] % 3];
    w->pluralMarker = static_cast<char>(r[6]);
    w->weight = r[7] % 4;
    w->entryWords = 1 + r[7] / 64;
    w->message = (r[1] & 2) ? 325 : 0;
    Append(w);
    ++words;
  }
  if (sentinel) {
    WordRec* end = NewWordRec();
    if (end) {
      end->text = kSentinel;
      end->written = kSentinel;
      Append(end);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  WordList.Reset();
  SentenceState.Reset();
  SentenceState.sentenceWordCount = data[1] % 40;
  Build(data + 2, size - 2, (data[0] & 1) != 0);

  for (WordRec* w = WordList.head; w; w = w->next) {
    CountSentenceWords(w, data[0] >> 6);
    MeasurePassiveSpan(w, SentenceState.sentenceWordCount);
    MeasureNounCluster(w);
    NextNounTakesNoArticle(w);
    NextIsControlNoun(w);
    IsIndicatorWord(w);
    NextIsMonth(w);
    ScanAheadForClass47(w);
    FindQuestionMark(w);
    MarkQuestionMark(w);
    CheckAgreement(w, WordList.head, {SentenceState.subjectNumber, SentenceState.skipAgreement});
    FindVerbAhead(w);
    ResolveWordClass(w);
    MakeVerbFromIng(w, data[0] >> 7);
    SplitNumberUnit(w);
    CheckIfPhrase(w);
    CheckInPhrase(w);
    CheckOffPhrase(w, SentenceState);
    CheckOnPhrase(w, SentenceState);
    CheckNegativePhrase(w);
    SuggestArticleThe(w);
    SuggestArticleForNext(w);
    CheckCompoundWord(w, WordList.head);
    w = SkipCoveredWords(w);
  }
  ApplyMainRules(WordList.head);
  WordList.Reset();
  return 0;
}
