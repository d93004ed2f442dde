#include "rules/main_pass/sentence_length.h"

#include "engine/advice_hints.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/sentence_measures.h"

namespace {

// More weighted words than this make a sentence too long.
constexpr int kLongestSentence = 21;
// Rule id of the length finding.
constexpr int kSentenceLengthRule = 7655;

// A first word written as a phrase ("as follows") carries the finding on
// its first word only, so the phrase's advice, which replaces every word of
// it, is left as a hint. A repeated article ("the the") is no phrase: its
// correction takes out one of the two words it holds.
void CutAtFirstBlank(WordRec* w) {
  std::size_t blank = w->written.view().find(' ');
  if (blank == std::string_view::npos || w->tag.startsWith("<RP>")) return;
  if (!w->suggestion.empty()) w->suggestion = AsHints(w->suggestion.view());
  w->written.truncate(blank);
  w->length = static_cast<std::int32_t>(blank);
  w->text.truncate(blank);
  w->lastLetter = w->text.last();
}

// A mark after which the sentence-end rules count the next sentence.
bool EndsSentence(const WordRec& w) {
  const char c = w.text.first();
  return w.wordClass == 48 || c == '.' || c == '!' || c == '?' || c == ':' || c == ';';
}

}  // namespace

bool GiveSentenceLength(WordRec* first) {
  if (first->sentenceLength <= kLongestSentence) return false;
  first->entryWords = 1;
  CutAtFirstBlank(first);
  SetWordMessage(first, Msg::SentenceLength, kSentenceLengthRule);
  return true;
}

void JudgeLaterSentence(WordRec* mark) {
  // Marks in a row (":" and the full stop of a closing element) end one
  // sentence; the words after the last of them are the next sentence.
  WordRec* first = Next(mark);
  while (!AtEnd(first) && EndsSentence(*first)) first = Next(first);
  if (AtEnd(first) || first->message == Msg::SentenceLength) return;
  // A sentence that opens with an inline element (one markup token such as
  // "<Ref>") gets no length finding, as one that opens with a number gets
  // none: the token is no text that the marking can find.
  if (first->text.first() == '<') return;
  // The collection writes a word's length field into the key of any
  // finding it carries: a sentence within the limit leaves it as it was.
  const std::int32_t before = first->sentenceLength;
  CountSentenceWords(first, 1);
  if (!GiveSentenceLength(first)) first->sentenceLength = before;
}
