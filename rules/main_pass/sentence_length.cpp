#include "rules/main_pass/sentence_length.h"

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
// its first word only.
void CutAtFirstBlank(WordRec* w) {
  std::size_t blank = w->written.view().find(' ');
  if (blank == std::string_view::npos) return;
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
  // An article keeps the next word's first letter in its tag ("< p") for
  // the article rules. A word with this finding gets no further rule, and
  // the marking would take the letter into the marked text ("A p|laceholder")
  // and so lose the next word's own finding.
  if (first->message == Msg::SentenceLength && first->tag[0] == '<' && first->tag[1] == ' ') first->tag.clear();
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
  // The marking finds the article that the tokenizer set aside ("The") by
  // a search back from the word for "T..", which a word written with a
  // capital T answers itself: the marker would be lost, and with it the
  // place of the findings after it.
  if (IsMarked(*first) && first->written.first() == 'T') return;
  // The collection writes a word's length field into the key of any
  // finding it carries: a sentence within the limit leaves it as it was.
  const std::int32_t before = first->sentenceLength;
  CountSentenceWords(first, 1);
  if (!GiveSentenceLength(first)) first->sentenceLength = before;
}
