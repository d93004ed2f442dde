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

// A word that joins names into a list: "a, b or c".
bool JoinsList(const WordRec& w) { return w.text == "," || w.text == "and" || w.text == "or"; }

// The word that carries the length finding of the sentence `first` opens:
// `first`, or the first word past the placeholders that open it and the
// words that join them into a list ("<Ref>, <Ref> and"), on which a
// finding of the comma before could lie; null where the sentence holds
// nothing else.
WordRec* LengthFindingWord(WordRec* first) {
  if (!IsPlaceholder(*first)) return first;
  WordRec* w = Next(first);
  while (!AtEnd(w) && (IsPlaceholder(*w) || JoinsList(*w))) w = Next(w);
  return AtEnd(w) || EndsSentence(*w) ? nullptr : w;
}

// Gives the length finding to `w`, the word LengthFindingWord found for the
// sentence `first` opens, when that sentence is too long.
bool GiveLengthTo(WordRec* first, WordRec* w) {
  if (first->sentenceLength <= kLongestSentence || !w) return false;
  if (w != first) w->sentenceLength = first->sentenceLength;
  w->entryWords = 1;
  CutAtFirstBlank(w);
  SetWordMessage(w, Msg::SentenceLength, kSentenceLengthRule);
  return true;
}

}  // namespace

bool GiveSentenceLength(WordRec* first) { return GiveLengthTo(first, LengthFindingWord(first)); }

void JudgeLaterSentence(WordRec* mark) {
  // Marks in a row (":" and the full stop of a closing element) end one
  // sentence; the words after the last of them are the next sentence.
  WordRec* first = Next(mark);
  while (!AtEnd(first) && EndsSentence(*first)) first = Next(first);
  // A quotation read as one token ("<"Stop">") opens no sentence judged
  // here: its marks are signs the finding refuses, and its rule id stays.
  if (AtEnd(first) || (first->text.first() == '<' && !IsPlaceholder(*first))) return;
  WordRec* carrier = LengthFindingWord(first);
  if (!carrier || carrier->message == Msg::SentenceLength) return;
  // The collection writes a word's length field into the key of any
  // finding it carries: a sentence within the limit leaves it as it was,
  // and so does the placeholder that opens a sentence too long.
  const std::int32_t before = first->sentenceLength;
  CountSentenceWords(first, 1);
  if (!GiveLengthTo(first, carrier) || carrier != first) first->sentenceLength = before;
}
